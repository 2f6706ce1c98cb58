#include "window_test_support.h"

#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <cstdio>

#include "desktop/window_layout.h"

namespace kelmar::testing {

namespace {

void Click(QWidget* window, const char* button) {
    auto* target = window->findChild<QPushButton*>(QString::fromLatin1(button));
    if (target != nullptr)
        target->click();
}

}  // namespace

ModalAnswerer::ModalAnswerer(int intervalMs) {
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Tick);
    timer_.start();
}

void ModalAnswerer::Tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == pending_)
        return;
    pending_ = modal;
    // The answer runs from the event loop, not inside this tick, so that a
    // window it opens is answered by a later tick.
    QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(modal)] {
        pending_ = nullptr;
        if (window == nullptr || !window->isVisible())
            return;
        try {
            Answer(window);
        } catch (const std::exception& failure) {
            errors << QStringLiteral("test failure: ") + QString::fromUtf8(failure.what());
            window->close();
        }
    });
}

void ModalAnswerer::Answer(QWidget* modal) {
    if (answerFirst && answerFirst(modal))
        return;
    const QString name = modal->objectName();
    seen << name;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        errors << box->text();
        box->accept();
    } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        input->setTextValue(this->name);
        input->accept();
    } else if (name == QLatin1String("frmPaper")) {
        Click(modal, "Ok");
    } else if (name == QLatin1String("frmStrategy")) {
        if (readReportFirst && !reportRead_) {
            reportRead_ = true;
            Click(modal, "Button4");
            return;
        }
        reportRead_ = false;
        Click(modal, tactic == 1 ? "Button1" : tactic == 2 ? "Button2" : "Button3");
    } else if (name == QLatin1String("frmReport")) {
        Click(modal, "Button1");
    } else if (name == QLatin1String("frmStage")) {
        Click(modal, "btnClose");
    } else {
        modal->close();
    }
}

OnceWhen::OnceWhen(std::function<bool()> when, std::function<void()> action) {
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this,
            [this, when = std::move(when), action = std::move(action)] {
                if (done || !when())
                    return;
                done = true;
                timer_.stop();
                action();
            });
    timer_.start();
}

QString ShotsFolder(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return QString();
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(folder);
    return folder;
}

std::optional<Language> ShotsLanguage(int argc, char** argv) {
    if (argc != 3)
        return Language::Japanese;
    const std::optional<Language> language = LanguageOfCode(argv[2]);
    if (!language)
        std::fprintf(stderr, "%s: no language of the code %s\n", argv[0], argv[2]);
    return language;
}

void SaveShot(QWidget* window, const QString& folder, const QString& name) {
    const QString path = folder + "/" + name + ".png";
    if (!window->grab().save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

void KeepSettingsIn(const GameFolder& folder) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(folder.path()) + QStringLiteral("/config"));
}

void SetUpInstalledGame(GameFolder& folder) {
    folder.CopyAllData();
    // The empty table that an installed game starts with.
    std::string emptyTable;
    for (int place = 1; place <= kPlaces; ++place) emptyTable += "\r\n0\r\n";
    folder.Write("Rank.txt", emptyTable);
    KeepSettingsIn(folder);
}

GameUnderTest::GameUnderTest(bool copyData, int standardTickMs, std::optional<Language> language)
    : standardTickMs_(standardTickMs), language_(language) {
    if (copyData)
        SetUpInstalledGame(folder);
    else
        KeepSettingsIn(folder);
    Restart();
}

void GameUnderTest::Restart() {
    window.reset();
    MainWindowOptions options;
    options.timerIntervalMs = standardTickMs_;
    options.language = language_;
    window = std::make_unique<TfrmKelmar>(state, clock, options);
}

QString GameUnderTest::ConfigFolder() const {
    return QString::fromStdString(folder.path()) + QStringLiteral("/config");
}

GameUnderTest::~GameUnderTest() {
    window.reset();
}

void StartCareer(TfrmKelmar& window, int row) {
    window.KN1->trigger();
    window.JuryoList->setCurrentRow(row);
    window.PlayerOkButton->click();
}

}  // namespace kelmar::testing
