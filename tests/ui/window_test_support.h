// What the window tests share: a player who answers the modal windows of a
// basho, and the main window over a fresh game folder.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

#include "desktop/main_window.h"
#include "state/game_state.h"
#include "state/random.h"
#include "support/game_folder.h"

namespace kelmar::testing {

// Answers whichever modal window is active, as a player would: reads the
// paper, picks a tactic, closes the chart and the reports, gives a name. It
// answers from the event loop, so a window it opens (the opponent report)
// is answered in turn.
class ModalAnswerer : public QObject {
    Q_OBJECT

  public:
    // Looks for a window to answer every `intervalMs` milliseconds.
    explicit ModalAnswerer(int intervalMs = 1);

    int tactic = 1;                // the tactic button pressed, 1..3
    bool readReportFirst = false;  // press "対戦者の情報" before the tactic
    QString name = QStringLiteral("Tester");
    // A test's own answer, tried first; true when it has answered.
    std::function<bool(QWidget*)> answerFirst;

    QStringList seen;    // object names of the windows answered, in order
    QStringList errors;  // texts of the message boxes answered
    int Count(const QString& window) const { return seen.count(window); }

  private:
    void Tick();
    void Answer(QWidget* modal);

    QTimer timer_;
    QPointer<QWidget> pending_;
    bool reportRead_ = false;
};

// A clock that moves on by a fixed step at every reading, so that a test can
// count the reseeds.
class SteppingClock : public Clock {
  public:
    int32_t MillisecondOfDay() override { return 12'345'678 + 7919 * readings++; }
    int32_t readings = 0;
};

// The folder a picture-taking program writes into, made from its one
// argument; an empty text after printing its usage.
QString ShotsFolder(int argc, char** argv);
// The language of the pictures, from an optional second argument (its code):
// Japanese without one; nullopt after printing that a code is unknown.
std::optional<Language> ShotsLanguage(int argc, char** argv);
// The window's picture saved as NAME.png in that folder.
void SaveShot(QWidget* window, const QString& folder, const QString& name);

// The platform's settings (the film's pace) kept in the folder's "config",
// never in the user's.
void KeepSettingsIn(const GameFolder& folder);
// A game folder as an installed game starts with it: the shipped data files
// and an empty top-ten table; the settings kept in the folder.
void SetUpInstalledGame(GameFolder& folder);

// The main window over a fresh game folder holding the shipped data files,
// and an empty top-ten table, in `language` (Japanese unless told; nullopt:
// the language the program would start in), its timer ticking every millisecond (at the
// standard film pace), and a player answering its windows from the start.
// The platform's settings are kept in the folder's "config", not the user's.
struct GameUnderTest {
    explicit GameUnderTest(bool copyData = true, int standardTickMs = 1,
                           std::optional<Language> language = Language::Japanese);
    ~GameUnderTest();

    // Closes the main window and opens a new one, as the next run of the
    // program would: same folder, same settings.
    void Restart();
    QString ConfigFolder() const;

    GameFolder folder;
    GameState state;
    SteppingClock clock;
    ModalAnswerer player;
    std::unique_ptr<TfrmKelmar> window;

  private:
    int standardTickMs_;
    std::optional<Language> language_;
};

// Runs `action` once, from the event loop, at the first millisecond tick at
// which `when` holds: inside a running basho, while it waits for a film.
class OnceWhen : public QObject {
    Q_OBJECT

  public:
    OnceWhen(std::function<bool()> when, std::function<void()> action);
    bool done = false;

  private:
    QTimer timer_;
};

// Starts a new career on juryo entry `row` (from 0) and confirms it: the first
// basho runs inside.
void StartCareer(TfrmKelmar& window, int row);

}  // namespace kelmar::testing
