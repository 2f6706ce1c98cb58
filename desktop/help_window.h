// The help viewer: shows the topics of "Kelmar.hlp" and follows the links
// between them. The file is looked for in the current directory, then beside
// the program, then in the installed data folder.
#pragma once

#include <QDialog>
#include <QStringList>
#include <vector>

#include "state/help_file.h"

class QPushButton;
class QTextBrowser;

namespace kelmar {

class THelpWindow : public QDialog {
    Q_OBJECT

  public:
    // Its title and buttons in the shown language.
    void Retranslate();
    explicit THelpWindow(QWidget* owner);

    // Reads the help file afresh and shows the topic with this context number.
    // A missing file or topic is said in a message box; the game goes on.
    void OpenTopic(const QString& fileName, int number);

    // The places looked in for the help file, in order.
    static QStringList SearchFolders();
    // The first of them holding fileName, or an empty string.
    static QString FindHelpFile(const QString& fileName);

    QTextBrowser* Browser;
    QPushButton* btnContents;
    QPushButton* btnBack;

  private:
    bool ShowTopic(int number, bool remember);
    void LinkClicked(const QUrl& url);
    void Back();

    HelpFile file_;
    std::vector<int> history_;
    int current_ = 0;  // the topic shown, 0 before the first
};

// The page of one topic as HTML: the title, the paragraphs, the links.
QString TopicHtml(const HelpTopic& topic);

}  // namespace kelmar
