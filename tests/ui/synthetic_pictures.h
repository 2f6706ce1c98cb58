// Pictures the drawing tests make themselves. Every pixel of the synthetic
// sheet tells where it lies, so a copied pixel shows which source pixel it
// came from; the sheet's chart cells also carry pure black "glyph" pixels for
// the highlight copies.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "state/game_state.h"
#include "state/picture_sheet.h"

namespace kelmar::testing {

class GameFolder;

// The shipped sheet's size.
inline const QSize kSheetSize(sheet::kWidth, sheet::kHeight);

// The colour of sheet pixel (x, y): never black outside the glyphs.
QRgb SheetColour(int x, int y);
// Where a coded colour came from; (-1, -1) for a colour that is no code.
QPoint SheetPlace(QRgb colour);

QImage SyntheticSheet(QSize size = kSheetSize);
// Writes a picture into the game folder as a Windows bitmap.
void SavePicture(const GameFolder& folder, const std::string& name, const QImage& picture);
QImage SolidPicture(QSize size, QRgb colour);

// Empty when every pixel of dst (clipped to the image) holds the sheet pixel
// the copy of src onto dst reads, with black turned into `highlight` when one
// is given; otherwise the first mismatch, for the test's message.
QString CheckCopied(const QImage& image, const QRect& dst, const QRect& src,
                    std::optional<QRgb> highlight = std::nullopt);
// Empty when every pixel of the area (clipped to the image) has this colour.
QString CheckFilled(const QImage& image, const QRect& area, QRgb colour);
// The number of pure black pixels of a rectangle of the sheet.
int GlyphPixels(const QRect& cell);

// The text of the PictureError that `draw` raises, as the player reads it;
// "no PictureError" when it raises none.
QString PictureErrorText(const std::function<void()>& draw);
// What that text must be for a picture of the game folder.
QString CannotOpen(const GameFolder& folder, const QString& name);

// The shipped league read from the current folder on the evening of `day`:
// wins and experience spread over the banzuke, and the player, a juryo name,
// at slot 32.
GameState ShippedLeagueOnDay(int day);

}  // namespace kelmar::testing
