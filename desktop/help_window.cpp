#include "desktop/help_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "desktop/error_guard.h"
#include "desktop/game_text.h"
#include "desktop/language_choice.h"
#include "desktop/window_layout.h"

namespace kelmar {

namespace {

const QString kLinkScheme = QStringLiteral("topic");

QString SpanHtml(const HelpSpan& span) {
    QString text = FromGame(span.text).toHtmlEscaped();
    text.replace(QLatin1Char('\n'), QStringLiteral("<br/>"));
    if (span.link == 0)
        return text;
    return QStringLiteral("<a href=\"%1:%2\">%3</a>").arg(kLinkScheme).arg(span.link).arg(text);
}

}  // namespace

QString TopicHtml(const HelpTopic& topic) {
    QString html = QStringLiteral("<h3>%1</h3>").arg(FromGame(topic.title).toHtmlEscaped());
    for (const HelpParagraph& paragraph : topic.paragraphs) {
        html += QStringLiteral("<p>");
        for (const HelpSpan& span : paragraph) html += SpanHtml(span);
        html += QStringLiteral("</p>");
    }
    return html;
}

THelpWindow::THelpWindow(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(Tr("ケルマー ヘルプ"));
    setWindowFlags(Qt::Window);
    setFont(PGothicFont(14));
    resize(480, 400);
    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setOpenLinks(false);
    btnContents = new QPushButton(Tr("目次"), this);
    btnContents->setObjectName(QStringLiteral("btnContents"));
    btnBack = new QPushButton(Tr("戻る"), this);
    btnBack->setObjectName(QStringLiteral("btnBack"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnContents);
    buttons->addWidget(btnBack);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser);
    connect(Browser, &QTextBrowser::anchorClicked, this, &THelpWindow::LinkClicked);
    connect(btnContents, &QPushButton::clicked, this, [this] { ShowTopic(1, true); });
    connect(btnBack, &QPushButton::clicked, this, &THelpWindow::Back);
}

QStringList THelpWindow::SearchFolders() {
    return {QDir::currentPath(), QCoreApplication::applicationDirPath(),
            QStringLiteral(KELMAR_INSTALLED_DATA_DIR)};
}

QString THelpWindow::FindHelpFile(const QString& fileName) {
    for (const QString& folder : SearchFolders()) {
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return candidate.filePath();
    }
    return QString();
}

void THelpWindow::Retranslate() {
    setWindowTitle(Tr("ケルマー ヘルプ"));
    btnContents->setText(Tr("目次"));
    btnBack->setText(Tr("戻る"));
}

void THelpWindow::OpenTopic(const QString& fileName, int number) {
    Retranslate();
    const QString path = FindHelpFile(fileName);
    if (path.isEmpty()) {
        QMessageBox::information(parentWidget(), windowTitle(),
                                 Tr("ヘルプファイル %1 が見つかりません。").arg(fileName));
        return;
    }
    Guarded(parentWidget(), [&] {
        file_ = ReadHelpFile(QFile::encodeName(path).toStdString());
        history_.clear();
        current_ = 0;
        if (!ShowTopic(number, false))
            return;
        show();
        raise();
        activateWindow();
    });
}

bool THelpWindow::ShowTopic(int number, bool remember) {
    const HelpTopic* topic = file_.Find(number);
    if (topic == nullptr) {
        QMessageBox::information(parentWidget(), windowTitle(),
                                 Tr("ヘルプの項目 %1 がありません。").arg(number));
        return false;
    }
    if (remember && current_ != 0)
        history_.push_back(current_);
    current_ = number;
    Browser->setHtml(TopicHtml(*topic));
    return true;
}

void THelpWindow::LinkClicked(const QUrl& url) {
    if (url.scheme() != kLinkScheme)
        return;
    bool ok = false;
    const int number = url.path().toInt(&ok);
    if (ok)
        ShowTopic(number, true);
}

void THelpWindow::Back() {
    if (history_.empty())
        return;
    const int previous = history_.back();
    history_.pop_back();
    ShowTopic(previous, false);
}

}  // namespace kelmar
