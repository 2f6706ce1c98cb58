// The main window and the career record "Kelmar.db": the menu "記録(&R)" with
// its three windows, the Frontend that feeds the record from every basho, and
// what the file commands tell it. A store that cannot be used is reported once
// in this run of the program; the game plays on without it.
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "desktop/archive_window.h"
#include "desktop/career_window.h"
#include "desktop/main_window.h"
#include "desktop/past_careers_window.h"
#include "record/career_record.h"
#include "record/recording_frontend.h"
#include "state/text_file.h"

namespace kelmar {

namespace {

constexpr const char* kRecordFile = "Kelmar.db";
constexpr const char* kSavedGameFile = "Kelmar.ini";

void ShowAndRaise(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void TfrmKelmar::CreateRecord() {
    record_ = std::make_unique<CareerRecord>(GameFolderPath(kRecordFile));
    record_->SetFailureHandler([this](const std::string& path, const RecordError& error) {
        const QString file =
            QDir::cleanPath(QDir::current().absoluteFilePath(QString::fromStdString(path)));
        QMessageBox box(QMessageBox::Warning, QStringLiteral("ケルマー"),
                        QStringLiteral("力士の記録 %1 を開けないか、書き込めません。\n%2\n"
                                       "記録をとらずにゲームを続けます。")
                            .arg(file, QString::fromStdString(error.what())),
                        QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("RecordFailure"));
        box.exec();
    });
    recording_ = std::make_unique<RecordingFrontend>(*this, state_, *record_);
}

void TfrmKelmar::CreateRecordMenu(QMenuBar* bar) {
    KR1 = bar->addMenu(QStringLiteral("記録(&R)"));
    KR1->setObjectName(QStringLiteral("KR1"));
    KR1->setFont(bar->font());
    KC1 = KR1->addAction(QStringLiteral("力士の記録(&C)"));
    KC1->setObjectName(QStringLiteral("KC1"));
    KH2 = KR1->addAction(QStringLiteral("歴代の力士(&H)"));
    KH2->setObjectName(QStringLiteral("KH2"));
    KA2 = KR1->addAction(QStringLiteral("資料館(&A)"));
    KA2->setObjectName(QStringLiteral("KA2"));
}

Frontend& TfrmKelmar::Recording() {
    return *recording_;
}

void TfrmKelmar::RecordNewGame() {
    record_->NewGame();
}

void TfrmKelmar::SaveAndRecord() {
    SaveGameAndRecord(state_, record_.get());
}

void TfrmKelmar::RecordResume() {
    if (const auto fingerprint = SavedGameFingerprint(GameFolderPath(kSavedGameFile)))
        record_->Resuming(*fingerprint);
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
