// The main window and the career record "Kelmar.db": the menu "記録(&R)" with
// its three windows, and the record as the commands' log, which the commands
// tell what the player does and which feeds the record from every basho. A
// store that cannot be used is reported once in this run of the program; the
// game plays on without it.
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "desktop/archive_window.h"
#include "desktop/career_window.h"
#include "desktop/language_choice.h"
#include "desktop/main_window.h"
#include "desktop/past_careers_window.h"
#include "record/career_record.h"
#include "record/recording_frontend.h"
#include "state/text_file.h"

namespace kelmar {

// The record's log, and what the main window makes of what it is told: the
// home makes way as soon as a saved game has been read for a resume, and a
// basho that begins is followed by the record's windows read again.
class TfrmKelmar::Log : public CareerLog {
  public:
    Log(TfrmKelmar& window, const GameState& state, CareerRecord& record)
        : window_(window), record_(state, record) {}

    void NewGame() override { record_.NewGame(); }
    void Resuming() override {
        record_.Resuming();
        window_.HideHome();
    }
    void Saving(std::string_view savedGame) override { record_.Saving(savedGame); }
    Frontend& Through(Frontend& face) override {
        window_.BashoBegins();
        return record_.Through(face);
    }

  private:
    TfrmKelmar& window_;
    RecordLog record_;
};

namespace {

constexpr const char* kRecordFile = "Kelmar.db";

void ShowAndRaise(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void TfrmKelmar::CreateRecord(const GameState& state) {
    record_ = std::make_unique<CareerRecord>(GameFolderPath(kRecordFile));
    record_->SetFailureHandler([this](const std::string& path, const RecordError& error) {
        const QString file =
            QDir::cleanPath(QDir::current().absoluteFilePath(QString::fromStdString(path)));
        QMessageBox box(QMessageBox::Warning, Tr("ケルマー"),
                        Tr("力士の記録 %1 を開けないか、書き込めません。\n%2\n"
                           "記録をとらずにゲームを続けます。")
                            .arg(file, QString::fromStdString(error.what())),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("RecordFailure"));
        box.exec();
    });
    log_ = std::make_unique<Log>(*this, state, *record_);
}

void TfrmKelmar::CreateRecordMenu(QMenuBar* bar) {
    KR1 = bar->addMenu(Tr("記録(&R)"));
    KR1->setObjectName(QStringLiteral("KR1"));
    KR1->setFont(bar->font());
    KC1 = KR1->addAction(Tr("力士の記録(&C)"));
    KC1->setObjectName(QStringLiteral("KC1"));
    KH2 = KR1->addAction(Tr("歴代の力士(&H)"));
    KH2->setObjectName(QStringLiteral("KH2"));
    KA2 = KR1->addAction(Tr("資料館(&A)"));
    KA2->setObjectName(QStringLiteral("KA2"));
}

void TfrmKelmar::RefreshRecordWindows() {
    if (frmCareerRecord != nullptr && frmCareerRecord->isVisible())
        frmCareerRecord->Refresh();
    if (frmPastCareers != nullptr && frmPastCareers->isVisible())
        frmPastCareers->Refresh();
    if (frmArchive != nullptr && frmArchive->isVisible())
        frmArchive->Refresh();
}

void TfrmKelmar::KC1Click() {
    if (frmCareerRecord == nullptr)
        frmCareerRecord = new CareerRecordWindow(this, *record_);
    frmCareerRecord->ShowCurrent();
    ShowAndRaise(frmCareerRecord);
}

void TfrmKelmar::KH2Click() {
    if (frmPastCareers == nullptr) {
        frmPastCareers = new PastCareersWindow(this, *record_, [this](int64_t career) {
            if (frmCareerRecord == nullptr)
                frmCareerRecord = new CareerRecordWindow(this, *record_);
            frmCareerRecord->ShowCareer(career);
            ShowAndRaise(frmCareerRecord);
        });
    }
    frmPastCareers->Refresh();
    ShowAndRaise(frmPastCareers);
}

void TfrmKelmar::KA2Click() {
    if (frmArchive == nullptr)
        frmArchive = new ArchiveWindow(this, *record_);
    frmArchive->Refresh();
    ShowAndRaise(frmArchive);
}

}  // namespace kelmar
