// The desktop in English: a game played in English saves the very bytes of
// the same game in Japanese; every window a career opens, and the record's
// windows over a few careers, show no Japanese outside their pictures and
// clip none of their words; the menu's choice of language redraws the open
// windows at once and is kept, the pictures with words in them (the chart's
// sheet, the home's title) with the rest; a kept choice wins over the
// environment.
#include <QAbstractAxis>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTextBrowser>
#include <QtTest>
#include <filesystem>
#include <map>

#include "banzuke/procedures.h"
#include "desktop/about_window.h"
#include "desktop/archive_window.h"
#include "desktop/best10_window.h"
#include "desktop/career_window.h"
#include "desktop/chart_drawing.h"
#include "desktop/help_window.h"
#include "desktop/home_face.h"
#include "desktop/language_choice.h"
#include "desktop/past_careers_window.h"
#include "desktop/pixel_view.h"
#include "desktop/stage_window.h"
#include "desktop/strategy_window.h"
#include "desktop/window_layout.h"
#include "lang/catalogue.h"
#include "record/career_record.h"
#include "state/help_file.h"
#include "state/text_file.h"
#include "synthetic_pictures.h"
#include "synthetic_record.h"
#include "window_test_support.h"

using namespace kelmar;
using namespace kelmar::testing;

namespace {

// Kana, kanji, their punctuation and the full- and half-width forms.
bool IsJapanese(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x4E00 && u <= 0x9FFF) ||
           (u >= 0xFF01 && u <= 0xFF9F);
}

bool HasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), IsJapanese);
}

// Every text of `window` a player reads: its title, its labels, buttons and
// list entries, their tooltips, and its menus' items.
QStringList JapaneseTextsOf(QWidget* window) {
    QStringList found;
    const auto check = [&](const QString& where, const QString& text) {
        if (HasJapanese(text))
            found << window->objectName() + "/" + where + ": " + text;
    };
    check(QStringLiteral("title"), window->windowTitle());
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // The windows it owns are windows of their own.
        if (widget->window() != window || !widget->isVisibleTo(window))
            continue;
        check(widget->objectName() + " tooltip", widget->toolTip());
        if (auto* label = qobject_cast<QLabel*>(widget))
            check(label->objectName(), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            check(button->objectName(), button->text());
        if (auto* list = qobject_cast<QListWidget*>(widget))
            for (int row = 0; row < list->count(); ++row)
                check(list->objectName(), list->item(row)->text());
    }
    // The menus; the language items each name their language in its own words.
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        check(menu->objectName(), menu->title());
        for (QAction* item : menu->actions())
            if (!item->objectName().startsWith(QLatin1String("Lang")))
                check(item->objectName(), item->text());
    }
    return found;
}

// The record's texts beyond labels and buttons, each with where it is: the
// tables' headings and cells, the charts' titles, axes and legends.
QList<std::pair<QString, QString>> TableAndChartTextsOf(QWidget* window) {
    QList<std::pair<QString, QString>> texts;
    for (QTableWidget* table : window->findChildren<QTableWidget*>()) {
        for (int column = 0; column < table->columnCount(); ++column)
            texts.append(
                {table->objectName() + " heading", table->horizontalHeaderItem(column)->text()});
        for (int row = 0; row < table->rowCount(); ++row)
            for (int column = 0; column < table->columnCount(); ++column)
                if (table->item(row, column) != nullptr)
                    texts.append({table->objectName(), table->item(row, column)->text()});
    }
    for (QChartView* view : window->findChildren<QChartView*>()) {
        texts.append({view->objectName() + " title", view->chart()->title()});
        for (QAbstractAxis* axis : view->chart()->axes())
            texts.append({view->objectName() + " axis", axis->titleText()});
        for (QAbstractSeries* series : view->chart()->series())
            texts.append({view->objectName() + " legend", series->name()});
    }
    return texts;
}

// The words of a record's window that its box cuts: a label narrower or
// lower than its text, a table's cell or heading narrower than its text,
// an axis's title longer than its side of the plot.
QStringList ClippedTextsOf(QWidget* window) {
    QStringList clipped;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        const QSize hint = label->sizeHint();
        const bool cut = label->wordWrap()
                             ? label->heightForWidth(label->width()) > label->height()
                             : hint.width() > label->width() || hint.height() > label->height();
        if (cut)
            clipped << label->objectName() + ": " + label->text();
    }
    for (QTableWidget* table : window->findChildren<QTableWidget*>()) {
        const QFontMetrics cells(table->font());
        const QFontMetrics headings(table->horizontalHeader()->font());
        for (int column = 0; column < table->columnCount(); ++column) {
            const int width = table->columnWidth(column) - 6;
            const QString heading = table->horizontalHeaderItem(column)->text();
            if (headings.horizontalAdvance(heading) > width)
                clipped << table->objectName() + " heading: " + heading;
            for (int row = 0; row < table->rowCount(); ++row)
                if (const QTableWidgetItem* item = table->item(row, column))
                    if (cells.horizontalAdvance(item->text()) > width)
                        clipped << table->objectName() + ": " + item->text();
        }
    }
    for (QChartView* view : window->findChildren<QChartView*>())
        for (QAbstractAxis* axis : view->chart()->axes()) {
            const QRectF plot = view->chart()->plotArea();
            const qreal room = axis->orientation() == Qt::Vertical ? plot.height() : plot.width();
            if (QFontMetrics(axis->titleFont()).horizontalAdvance(axis->titleText()) > room)
                clipped << view->objectName() + " axis: " + axis->titleText();
        }
    return clipped;
}

// Three careers in the record: of 1 basho, of 100 with yusho and every rank,
// and one of 20 that goes on.
void RecordThreeCareers() {
    CareerRecord record(GameFolderPath("Kelmar.db"));
    RecordSyntheticCareer(record, "若楓", 1, 7);
    RecordSyntheticCareer(record, "千代雷", 100, 11);
    RecordSyntheticCareer(record, "霧昇", 20, 3, false);
}

// Opens the career of `basho` basho from 歴代の力士.
void OpenCareerOfBasho(TfrmKelmar& w, int basho) {
    QTableWidget* table = w.frmPastCareers->CareersTable;
    table->setCurrentCell(table->findItems(QString::number(basho), Qt::MatchExactly)[0]->row(), 0);
    w.frmPastCareers->OpenButton->click();
    QApplication::processEvents();  // laid out for its new texts
}

// A first basho on juryo entry 7, tactic 1, the report read first, saved.
std::string SavedFirstBasho(Language language) {
    GameUnderTest game(true, 1, language);
    TfrmKelmar& w = *game.window;
    w.show();
    game.player.readReportFirst = true;
    w.KN1->trigger();
    w.JuryoList->setCurrentRow(6);
    w.PlayerOkButton->click();
    w.KS1->trigger();
    return game.folder.Read("Kelmar.ini") + "\n--Rank.txt--\n" + game.folder.Read("Rank.txt");
}

// The main window's texts and those of the windows beside it, to tell that
// a round trip through another language gives back the same words.
QStringList TextsOf(TfrmKelmar& w) {
    QStringList texts;
    for (QWidget* window :
         std::initializer_list<QWidget*>{&w, w.frmBest10, w.frmStage, w.AboutForm, w.frmStrategy}) {
        texts << window->windowTitle();
        for (QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
            texts << button->text() << button->toolTip();
    }
    for (QAction* item : w.findChildren<QAction*>()) texts << item->text();
    return texts;
}

class Environment {
  public:
    explicit Environment(const char* lang) {
        for (const char* name : kNames) {
            saved_.emplace_back(name, qgetenv(name));
            qunsetenv(name);
        }
        if (lang != nullptr)
            qputenv("LANG", lang);
    }
    ~Environment() {
        for (const auto& [name, value] : saved_) {
            if (value.isNull())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
    }

  private:
    static constexpr const char* kNames[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

}  // namespace

class EnglishWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { RegisterFontSubstitutions(); }
    void cleanup() { SetShownLanguage(Language::Japanese); }

    void AGameInEnglishSavesTheBytesOfTheGameInJapanese() {
        const std::string japanese = SavedFirstBasho(Language::Japanese);
        const std::string english = SavedFirstBasho(Language::English);
        QVERIFY(japanese.size() > 100);
        QVERIFY(english == japanese);
    }

    void EveryWindowOfACareerShowsNoJapanese() {
        GameUnderTest game(true, 1, Language::English);
        TfrmKelmar& w = *game.window;
        w.show();
        QStringList found;
        QStringList opened;
        game.player.readReportFirst = true;
        game.player.answerFirst = [&](QWidget* modal) {
            if (!opened.contains(modal->objectName()))
                opened << modal->objectName();
            found << JapaneseTextsOf(modal);
            return false;
        };
        found << JapaneseTextsOf(&w);  // the home and the whole menu
        w.KN1->trigger();
        w.JuryoList->setCurrentRow(6);
        found << JapaneseTextsOf(&w);  // the new-career panel after a pick
        w.PlayerOkButton->click();
        found << JapaneseTextsOf(&w);  // after the basho: the score and "Next"
        // On to the career's end, filming nothing: the career report and the
        // name asked for the top ten.
        w.K1->trigger();
        for (int basho = 0; basho < 400 && !w.PlayerOkButton->isHidden(); ++basho)
            w.PlayerOkButton->click();
        found << JapaneseTextsOf(&w);  // the home back, with the saved game
        w.KT2->trigger();
        found << JapaneseTextsOf(w.frmBest10);
        w.KA1->trigger();
        found << JapaneseTextsOf(w.AboutForm);
        w.KP1->trigger();
        QVERIFY(w.HelpWindow != nullptr && w.HelpWindow->isVisible());
        found << JapaneseTextsOf(w.HelpWindow);
        if (HasJapanese(w.HelpWindow->Browser->toPlainText()))
            found << w.HelpWindow->Browser->toPlainText();
        found.removeDuplicates();
        for (const char* window : {"frmPaper", "frmStrategy", "frmReport", "frmStage"})
            QVERIFY2(opened.contains(QLatin1String(window)), window);
        QVERIFY2(opened.contains(QStringLiteral("NameDialog")), qPrintable(opened.join(' ')));
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
    }

    void TheMenuRedrawsTheOpenWindowsAtOnce() {
        GameUnderTest game;
        TfrmKelmar& w = *game.window;
        w.show();
        w.KT2->trigger();
        w.KA1->trigger();
        const QStringList japanese = TextsOf(w);
        QAction* english = w.findChild<QAction*>(QStringLiteral("LangEn"));
        QAction* ownLanguage = w.findChild<QAction*>(QStringLiteral("LangJa"));
        QVERIFY(english != nullptr && ownLanguage != nullptr);
        QCOMPARE(english->text(), QStringLiteral("English"));
        QCOMPARE(ownLanguage->text(), QStringLiteral("日本語"));
        QVERIFY(ownLanguage->isChecked() && !english->isChecked());

        english->trigger();
        QCOMPARE(w.KO1->title(), QStringLiteral("&Options"));
        QCOMPARE(w.LanguageMenu->title(), QStringLiteral("&Language"));
        QCOMPARE(w.Home->NewButton->text(), QStringLiteral("New rikishi"));
        QCOMPARE(w.frmBest10->windowTitle(), QStringLiteral("Top 10"));
        QCOMPARE(w.frmBest10->lblP[0]->text(), QStringLiteral("0 pts"));
        QCOMPARE(w.AboutForm->windowTitle(), QStringLiteral("About Kelmar"));
        QVERIFY(english->isChecked() && !ownLanguage->isChecked());
        QVERIFY2(JapaneseTextsOf(&w).isEmpty(), qPrintable(JapaneseTextsOf(&w).join('\n')));
        QCOMPARE(KeptLanguage(), std::optional<Language>(Language::English));

        // Back in Japanese, every word as it was.
        ownLanguage->trigger();
        QCOMPARE(TextsOf(w), japanese);
        QCOMPARE(KeptLanguage(), std::optional<Language>(Language::Japanese));

        // In a new career's panel: the list's names and the pick's name.
        english->trigger();
        w.KN1->trigger();
        w.JuryoList->setCurrentRow(0);
        const QString romaji = w.JuryoList->item(0)->text();
        QVERIFY2(!HasJapanese(romaji), qPrintable(romaji));
        QVERIFY(w.NameLabel->text().startsWith(QStringLiteral("Shikona: ")));
        ownLanguage->trigger();
        QVERIFY(HasJapanese(w.JuryoList->item(0)->text()));
        QVERIFY(w.NameLabel->text().startsWith(QStringLiteral("しこな：")));
        english->trigger();
        QCOMPARE(w.JuryoList->item(0)->text(), romaji);
        // Every reading of the list, and the pick's label, unclipped.
        const QFontMetrics metrics(w.JuryoList->font());
        for (int row = 0; row < w.JuryoList->count(); ++row)
            QVERIFY(metrics.horizontalAdvance(w.JuryoList->item(row)->text()) <=
                    w.JuryoList->viewport()->width());
        for (int row = 0; row < w.JuryoList->count(); ++row) {
            w.JuryoList->setCurrentRow(row);
            QVERIFY2(w.NameLabel->width() >= w.NameLabel->sizeHint().width(),
                     qPrintable(w.NameLabel->text()));
        }
        // Back in Japanese, the designed sizes.
        ownLanguage->trigger();
        QCOMPARE(w.JuryoList->width(), 97);
        QCOMPARE(w.NameLabel->width(), 121);
    }

    void TheRecordsWindowsShowNoJapaneseAndClipNoWord() {
        GameUnderTest game(true, 1, Language::English);
        RecordThreeCareers();
        TfrmKelmar& w = *game.window;
        w.show();
        QStringList found, clipped;
        // Every word fits the windows at the sizes they open with.
        const std::map<QString, QSize> sizes = {{QStringLiteral("frmCareerRecord"), {820, 760}},
                                                {QStringLiteral("frmPastCareers"), {720, 420}},
                                                {QStringLiteral("frmArchive"), {560, 380}}};
        const auto look = [&](QWidget* window) {
            QApplication::processEvents();
            if (window->size() != sizes.at(window->objectName()))
                clipped << QStringLiteral("%1 grown to %2 x %3")
                               .arg(window->objectName())
                               .arg(window->width())
                               .arg(window->height());
            found << JapaneseTextsOf(window);
            for (const auto& [where, text] : TableAndChartTextsOf(window))
                if (HasJapanese(text))
                    found << window->objectName() + "/" + where + ": " + text;
            clipped << ClippedTextsOf(window);
        };
        w.KH2->trigger();
        look(w.frmPastCareers);
        for (const int basho : {1, 100, 20}) {
            OpenCareerOfBasho(w, basho);
            look(w.frmCareerRecord);
            if (basho == 100) {
                const QString biography = w.frmCareerRecord->CoverBiography->text();
                QVERIFY2(
                    biography.startsWith(QStringLiteral("Chiyoikazuchi made a winning debut as "
                                                        "a maegashira in the March 2020 basho")),
                    qPrintable(biography));
                QVERIFY2(biography.contains(QStringLiteral("Emperor's Cup 8 times. His great rival "
                                                           "was Kujiramaru")),
                         qPrintable(biography));
                QCOMPARE(w.frmCareerRecord->BashoTable->item(0, 1)->text(),
                         QStringLiteral("Maegashira (30)"));
            }
        }
        w.KA2->trigger();
        look(w.frmArchive);
        found.removeDuplicates();
        QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join('\n')));
        // The card in English too: its texts drawn from the English layout.
        QVERIFY(w.frmCareerRecord->SaveCard(QStringLiteral("card.png")));
        QVERIFY(game.player.errors.isEmpty());
    }

    void TheMenuRedrawsTheRecordsWindowsAtOnce() {
        GameUnderTest game;
        RecordThreeCareers();
        TfrmKelmar& w = *game.window;
        w.show();
        w.KH2->trigger();
        OpenCareerOfBasho(w, 100);
        w.KA2->trigger();
        QApplication::processEvents();
        const std::initializer_list<QWidget*> windows = {w.frmCareerRecord, w.frmPastCareers,
                                                         w.frmArchive};
        const auto textsOf = [&] {
            QStringList texts;
            for (QWidget* window : windows) {
                texts << window->windowTitle();
                for (QLabel* label : window->findChildren<QLabel*>()) texts << label->text();
                for (QAbstractButton* button : window->findChildren<QAbstractButton*>())
                    texts << button->text();
                for (const auto& [where, text] : TableAndChartTextsOf(window)) texts << text;
            }
            return texts;
        };
        const QStringList japanese = textsOf();
        const QList<QSize> sizes = {w.frmCareerRecord->size(), w.frmPastCareers->size(),
                                    w.frmArchive->size()};

        w.findChild<QAction*>(QStringLiteral("LangEn"))->trigger();
        QApplication::processEvents();
        QCOMPARE(w.frmCareerRecord->windowTitle(), QStringLiteral("Career record"));
        QCOMPARE(w.frmPastCareers->windowTitle(), QStringLiteral("Past rikishi"));
        QCOMPARE(w.frmArchive->windowTitle(), QStringLiteral("Archive"));
        QVERIFY(w.frmCareerRecord->CoverName->text() == QStringLiteral("Chiyoikazuchi"));
        QVERIFY(w.frmArchive->Tally->text().endsWith(QStringLiteral("of 10 feats achieved")));
        for (QWidget* window : windows) {
            QStringList found = JapaneseTextsOf(window);
            for (const auto& [where, text] : TableAndChartTextsOf(window))
                if (HasJapanese(text))
                    found << where + ": " + text;
            QVERIFY2(found.isEmpty(), qPrintable(found.join('\n')));
            QVERIFY2(ClippedTextsOf(window).isEmpty(),
                     qPrintable(ClippedTextsOf(window).join('\n')));
        }

        // Back in Japanese, every word and every size as it was.
        w.findChild<QAction*>(QStringLiteral("LangJa"))->trigger();
        QApplication::processEvents();
        QCOMPARE(textsOf(), japanese);
        QCOMPARE((QList<QSize>{w.frmCareerRecord->size(), w.frmPastCareers->size(),
                               w.frmArchive->size()}),
                 sizes);
    }

    void ThePicturesWithWordsChangeWithTheLanguage() {
        GameUnderTest game;
        game.state = ShippedLeagueOnDay(10);
        TfrmKelmar& w = *game.window;
        w.show();
        QAction* english = w.findChild<QAction*>(QStringLiteral("LangEn"));
        QAction* ownLanguage = w.findChild<QAction*>(QStringLiteral("LangJa"));
        const auto title = [&w] {
            return w.Home->TitlePicture->Surface().convertToFormat(QImage::Format_RGB32);
        };
        const auto shipped = [](const char* file) {
            return QImage(QString::fromUtf8(KELMAR_DATA_DIR "/") + QString::fromUtf8(file))
                .convertToFormat(QImage::Format_RGB32);
        };
        QImage japanese = WhiteSurface(QSize(425, 321)), inEnglish = japanese;
        DrawChart(ChartRowsOf(game.state), japanese, Language::Japanese);
        DrawChart(ChartRowsOf(game.state), inEnglish, Language::English);
        QVERIFY(japanese != inEnglish);
        TfrmStage* stage = w.frmStage;
        stage->show();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(stage, &activate);
        QCOMPARE(stage->Image1->Surface(), japanese);
        QCOMPARE(title(), shipped("title.bmp"));

        // Both drawn again at once from the English pictures, and back.
        english->trigger();
        QCOMPARE(stage->Image1->Surface(), inEnglish);
        QCOMPARE(title(), shipped("title-en.bmp"));
        ownLanguage->trigger();
        QCOMPARE(stage->Image1->Surface(), japanese);
        QCOMPARE(title(), shipped("title.bmp"));
        QVERIFY(game.player.errors.isEmpty());

        // Without the English sheet the message names it, and the chart stays.
        std::filesystem::remove("rikishi-en.bmp");
        english->trigger();
        QCOMPARE(game.player.errors.size(), 1);
        QVERIFY2(game.player.errors[0].contains(QString::fromStdString(game.folder.path()) +
                                                QStringLiteral("/rikishi-en.bmp")),
                 qPrintable(game.player.errors[0]));
        QCOMPARE(stage->Image1->Surface(), japanese);
    }

    void TheEnglishHelpHasTheTopicsAndLinksOfTheJapanese() {
        const HelpFile japanese = ReadHelpFile(KELMAR_DATA_DIR "/Kelmar.hlp");
        const HelpFile english = ReadHelpFile(KELMAR_DATA_DIR "/Kelmar-en.hlp");
        const auto links = [](const HelpTopic& topic) {
            std::vector<int> found;
            for (const HelpParagraph& paragraph : topic.paragraphs)
                for (const HelpSpan& span : paragraph)
                    if (span.link != 0)
                        found.push_back(span.link);
            return found;
        };
        QCOMPARE(english.topics.size(), japanese.topics.size());
        for (const HelpTopic& topic : japanese.topics) {
            const HelpTopic* translated = english.Find(topic.number);
            QVERIFY2(translated != nullptr, qPrintable(QString::number(topic.number)));
            QVERIFY(links(*translated) == links(topic));
            for (const HelpParagraph& paragraph : translated->paragraphs)
                for (const HelpSpan& span : paragraph)
                    QVERIFY2(!HasJapanese(QString::fromStdString(span.text)), span.text.c_str());
        }
    }

    // Every text the windows look up (Tr and TrIn with a literal) is in the
    // English catalogue.
    void TheCatalogueHasEveryTextOfTheWindows() {
        const QRegularExpression call(
            QStringLiteral("\\bTr(?:In)?\\(((?:\\s*\"(?:[^\"\\\\]|\\\\.)*\")+)\\s*(?:,((?:\\s*\"(?:"
                           "[^\"\\\\]|\\\\.)*\")+))?\\s*\\)"));
        // TrFormat's wording, before its pieces.
        const QRegularExpression format(
            QStringLiteral("\\bTrFormat\\(((?:\\s*\"(?:[^\"\\\\]|\\\\.)*\")+)\\s*,"));
        const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*)\""));
        const auto joined = [&](const QString& literals) {
            QString text;
            for (const QRegularExpressionMatch& part : literal.globalMatch(literals))
                text += part.captured(1);
            return text.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        };
        QDir desktop(QStringLiteral(KELMAR_DATA_DIR "/../desktop"));
        int looked = 0;
        QStringList missing;
        for (const QString& name : desktop.entryList({QStringLiteral("*.cpp")})) {
            QFile source(desktop.filePath(name));
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QString code = QString::fromUtf8(source.readAll());
            for (const QRegularExpressionMatch& m : call.globalMatch(code)) {
                const bool withContext = !m.captured(2).isEmpty();
                const QByteArray context = joined(m.captured(1)).toUtf8();
                const QByteArray japanese =
                    joined(withContext ? m.captured(2) : m.captured(1)).toUtf8();
                ++looked;
                if (!CatalogueText(Language::English, withContext ? context.toStdString() : "",
                                   japanese.toStdString()))
                    missing << name + ": " + QString::fromUtf8(japanese);
            }
            for (const QRegularExpressionMatch& m : format.globalMatch(code)) {
                ++looked;
                if (!CatalogueText(Language::English, "", joined(m.captured(1)).toStdString()))
                    missing << name + ": " + joined(m.captured(1));
            }
        }
        QVERIFY(looked > 40);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join('\n')));
    }

    void AKeptChoiceWinsOverTheEnvironment_data() {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("english");
        QTest::newRow("nothing kept, English environment") << "en_GB.UTF-8"
                                                           << "" << true;
        QTest::newRow("nothing kept, Japanese environment") << "ja_JP.UTF-8"
                                                            << "" << false;
        QTest::newRow("nothing kept, C") << "C"
                                         << "" << false;
        QTest::newRow("Japanese kept, English environment") << "en_US.UTF-8"
                                                            << "ja" << false;
        QTest::newRow("English kept, Japanese environment") << "ja_JP.UTF-8"
                                                            << "en" << true;
        QTest::newRow("English kept, nothing set") << ""
                                                   << "en" << true;
    }

    void AKeptChoiceWinsOverTheEnvironment() {
        QFETCH(QString, lang);
        QFETCH(QString, kept);
        QFETCH(bool, english);
        const QByteArray lang8 = lang.toLatin1();
        const Environment environment(lang.isEmpty() ? nullptr : lang8.constData());
        GameUnderTest game(true, 1, std::nullopt);
        if (!kept.isEmpty())
            KeepLanguage(*LanguageOfCode(kept.toStdString()));
        game.Restart();
        game.window->show();
        QCOMPARE(ShownLanguage(), english ? Language::English : Language::Japanese);
        QCOMPARE(game.window->KO1->title(),
                 english ? QStringLiteral("&Options") : QStringLiteral("オプション(&O)"));
        QCOMPARE(game.window->findChild<QAction*>(QStringLiteral("LangEn"))->isChecked(), english);
    }
};

QTEST_MAIN(EnglishWindowTest)
#include "english_window_test.moc"
