// Pictures of the career record's windows, to be looked at (not a test):
// "歴代の力士" over three careers, and "力士の記録" with its cover for a career
// of 1 basho and one of 100 basho, and its card; then a career played through the game's
// windows, and the cover shown when it ends; 資料館 before and after it.
// The windows are in Japanese, or in the language of the code given second;
// the cover of 100 basho is taken in the other language as well, after the
// menu's switch.
//     build/dev/tests/ui/kelmar-record-shots /tmp/shots [en]
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <cstdio>
#include <optional>

#include "desktop/archive_window.h"
#include "desktop/career_window.h"
#include "desktop/game_application.h"
#include "desktop/past_careers_window.h"
#include "record/career_record.h"
#include "state/text_file.h"
#include "synthetic_record.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

// The window's picture once what it was asked to show has been laid out.
void Save(QWidget* window, const QString& folder, const QString& name) {
    QApplication::processEvents();
    SaveShot(window, folder, name);
}

void OpenCareerOfBasho(PastCareersWindow* hall, int basho) {
    const auto found = hall->CareersTable->findItems(QString::number(basho), Qt::MatchExactly);
    hall->CareersTable->setCurrentCell(found[0]->row(), 0);
    hall->OpenButton->click();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    SetUpApplication(application);
    const std::optional<Language> language = ShotsLanguage(argc, argv);
    if (!language)
        return 2;
    const QString folder = ShotsFolder(std::min(argc, 2), argv);
    if (folder.isEmpty())
        return 2;

    GameUnderTest game(true, 1, *language);
    {
        CareerRecord record(GameFolderPath("Kelmar.db"));
        RecordSyntheticCareer(record, "若楓", 1, 7);
        RecordSyntheticCareer(record, "千代雷", 100, 11);
        RecordSyntheticCareer(record, "霧昇", 20, 3, false);
    }
    TfrmKelmar& window = *game.window;
    window.show();
    window.KH2->trigger();
    Save(window.frmPastCareers, folder, "past-careers");
    OpenCareerOfBasho(window.frmPastCareers, 1);
    Save(window.frmCareerRecord, folder, "career-1-basho");
    OpenCareerOfBasho(window.frmPastCareers, 100);
    Save(window.frmCareerRecord, folder, "career-100-basho");
    window.frmCareerRecord->SaveCard(folder + "/card-100-basho.png");
    window.KA2->trigger();
    Save(window.frmArchive, folder, "archive");
    // The menu's other language, and back.
    const bool japanese = *language == Language::Japanese;
    QAction* other = window.findChild<QAction*>(japanese ? "LangEn" : "LangJa");
    other->trigger();
    Save(window.frmCareerRecord, folder, japanese ? "career-100-basho-en" : "career-100-basho-ja");
    window.findChild<QAction*>(japanese ? "LangJa" : "LangEn")->trigger();

    // A career of the game itself, to its end.
    window.K1->trigger();
    StartCareer(window, 6);
    for (int basho = 0; basho < 400 && !window.PlayerOkButton->isHidden(); ++basho)
        window.PlayerOkButton->click();
    // The cover the game shows by itself when the career has ended.
    Save(window.frmCareerRecord, folder, "cover-after-career");
    window.KC1->trigger();
    Save(window.frmCareerRecord, folder, "career-played");
    Save(window.frmArchive, folder, "archive-after-career");

    for (const QString& error : game.player.errors) std::fprintf(stderr, "%s\n", qPrintable(error));
    std::printf("pictures in %s\n", qPrintable(folder));
    return game.player.errors.isEmpty() ? 0 : 1;
}
