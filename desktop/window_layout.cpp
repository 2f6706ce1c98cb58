#include "desktop/window_layout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "desktop/language_choice.h"

namespace kelmar {

namespace {

const char* const kGothic = "ＭＳ ゴシック";
const char* const kPGothic = "ＭＳ Ｐゴシック";

// Whether a label sizes itself to its text.
const char* const kAutoSize = "kelmarAutoSize";

struct FrameSizes {
    int border;
    int caption;
};

FrameSizes SizesOf(Frame frame) {
    switch (frame) {
        case Frame::Sizeable:
            return {4, 19};
        case Frame::Dialog:
            return {3, 19};
        case Frame::Tool:
            return {3, 15};
    }
    return {0, 0};
}

QFont PixelFont(const char* family, int pixels) {
    QFont font(QString::fromUtf8(family));
    font.setPixelSize(pixels);
    return font;
}

}  // namespace

void RegisterFontSubstitutions() {
    QFont::insertSubstitution(QString::fromUtf8(kGothic), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QString::fromUtf8(kPGothic), QStringLiteral("IPAPGothic"));
}

QFont GothicFont(int pixels) {
    return PixelFont(kGothic, pixels);
}
QFont PGothicFont(int pixels) {
    return PixelFont(kPGothic, pixels);
}

QSize OuterSize(QSize client, Frame frame) {
    const FrameSizes f = SizesOf(frame);
    return {client.width() + 2 * f.border, client.height() + 2 * f.border + f.caption};
}

QSize ClientSize(QSize outer, Frame frame) {
    const FrameSizes f = SizesOf(frame);
    return {outer.width() - 2 * f.border, outer.height() - 2 * f.border - f.caption};
}

QPoint CentredPosition(QSize screen, QSize outer) {
    // C++ integer division truncates toward zero, as the rule asks.
    return {(screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2};
}

QSize PrimaryScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry().size() : QSize(640, 480);
}

void SetUpWindow(QWidget* window, const QString& name, const QString& caption, QSize client,
                 Frame frame, const QFont& font, const QColor& background) {
    window->setObjectName(name);
    window->setWindowTitle(caption);
    window->setFont(font);
    if (background.isValid())
        SetBackground(window, background);
    if (frame == Frame::Sizeable) {
        window->resize(client);
        return;
    }
    Qt::WindowFlags flags = frame == Frame::Tool ? Qt::Tool : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    window->setWindowFlags(flags);
    window->setFixedSize(client);
}

void SetBackground(QWidget* widget, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const QString& name, QRect geometry, const QFont& font,
                  const QColor& text) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    SetTextColour(label, text);
    label->move(geometry.topLeft());
    const bool autoSize = geometry.size().isEmpty();
    label->setProperty(kAutoSize, autoSize);
    if (autoSize)
        label->adjustSize();
    else
        label->setFixedSize(geometry.size());
    return label;
}

void SetCaption(QLabel* label, const QString& text) {
    label->setText(text);
    if (label->property(kAutoSize).toBool())
        label->adjustSize();
}

QPushButton* MakeButton(QWidget* parent, const QString& name, QRect geometry,
                        const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

void WidenForLabels(QWidget* window, QSize client, QWidget* centred, int centredX) {
    if (ShownLanguage() == Language::Japanese) {
        window->setFixedSize(client);
        centred->move(centredX, centred->y());
        return;
    }
    const int margin = 8;
    int width = client.width();
    for (QLabel* label : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        width = std::max(width, label->x() + label->width() + margin);
    window->setFixedSize(width, client.height());
    centred->move((width - centred->width()) / 2, centred->y());
}

}  // namespace kelmar
