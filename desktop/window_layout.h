// What every window of the game is built from: the two fonts sized in pixels,
// the colours of the layout, the frames and the centring rule, and the labels
// and buttons placed at their designed pixel positions.
#pragma once

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace kelmar {

// The fonts the layout names ("ＭＳ ゴシック" fixed pitch, "ＭＳ Ｐゴシック"
// proportional) stand for IPAGothic and IPAPGothic on this system.
void RegisterFontSubstitutions();
QFont GothicFont(int pixels);
QFont PGothicFont(int pixels);

namespace colour {
inline const QColor Black{0, 0, 0};
inline const QColor White{255, 255, 255};
inline const QColor Silver{192, 192, 192};
inline const QColor Gray{128, 128, 128};
inline const QColor Maroon{128, 0, 0};
inline const QColor Green{0, 128, 0};
inline const QColor Navy{0, 0, 128};
inline const QColor Purple{128, 0, 128};
inline const QColor Blue{0, 0, 255};
inline const QColor Red{255, 0, 0};
}  // namespace colour

// The frames the layout was designed with, by the classic sizes of their
// borders and title bars: the outer size of a window is its client area plus
// these. Qt's own frame comes from the window manager, so the centring rule
// counts with these design sizes.
enum class Frame { Sizeable, Dialog, Tool };
QSize OuterSize(QSize client, Frame frame);
QSize ClientSize(QSize outer, Frame frame);

// top = (screen height - window height) div 2, left likewise, the division
// truncated toward zero: a window 5 pixels taller than the screen gets -2.
QPoint CentredPosition(QSize screen, QSize outer);
// The size of the primary screen in (device-independent) pixels.
QSize PrimaryScreenSize();

// A top-level window of the game: object name, caption, fixed client size
// (unless sizeable), frame, font and background (an invalid colour keeps the
// style's own window colour).
void SetUpWindow(QWidget* window, const QString& name, const QString& caption, QSize client,
                 Frame frame, const QFont& font, const QColor& background);

// A label at its designed place. With an empty size it sizes itself to its
// text (and again every time SetCaption is called).
QLabel* MakeLabel(QWidget* parent, const QString& name, QRect geometry, const QFont& font,
                  const QColor& text);
void SetBackground(QWidget* widget, const QColor& background);
void SetTextColour(QWidget* widget, const QColor& text);
// Sets a label's text; a label without a fixed size fits itself to it.
void SetCaption(QLabel* label, const QString& text);

// A window of another language than Japanese made wider than its client
// size where its labels need it, with `centred` kept in the middle; in
// Japanese, the client size and `centred` at its place `centredX`.
void WidenForLabels(QWidget* window, QSize client, QWidget* centred, int centredX);

QPushButton* MakeButton(QWidget* parent, const QString& name, QRect geometry,
                        const QString& caption);

}  // namespace kelmar
