#include "pictures/glyphs.h"

#include <QPainter>

#include "pictures/canvas.h"

namespace kelmar::pictures {

namespace {

constexpr int kDigitWidth = 7;
constexpr int kDigitHeight = 11;

// Our digits, drawn for the banzuke chart: two-pixel strokes that stay bold
// when the chart is small.
constexpr const char* kDigits[10][kDigitHeight] = {
    {"..###..", ".##.##.", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##",
     "##...##", ".##.##.", "..###.."},
    {"...##..", "..###..", ".####..", "...##..", "...##..", "...##..", "...##..", "...##..",
     "...##..", "...##..", ".######"},
    {".#####.", "##...##", ".....##", ".....##", "....##.", "...##..", "..##...", ".##....",
     "##.....", "##.....", "#######"},
    {".#####.", "##...##", ".....##", ".....##", "..####.", ".....##", ".....##", ".....##",
     ".....##", "##...##", ".#####."},
    {"....##.", "...###.", "..####.", ".##.##.", "##..##.", "##..##.", "#######", "....##.",
     "....##.", "....##.", "....##."},
    {"#######", "##.....", "##.....", "######.", ".....##", ".....##", ".....##", ".....##",
     ".....##", "##...##", ".#####."},
    {"..####.", ".##....", "##.....", "##.....", "######.", "##...##", "##...##", "##...##",
     "##...##", "##...##", ".#####."},
    {"#######", ".....##", ".....##", "....##.", "....##.", "...##..", "...##..", "..##...",
     "..##...", "..##...", "..##..."},
    {".#####.", "##...##", "##...##", "##...##", ".#####.", "##...##", "##...##", "##...##",
     "##...##", "##...##", ".#####."},
    {".#####.", "##...##", "##...##", "##...##", "##...##", ".######", ".....##", ".....##",
     ".....##", "....##.", ".####.."},
};

void DrawDigit(QImage& sheet, QPoint at, int digit) {
    for (int y = 0; y < kDigitHeight; ++y)
        for (int x = 0; x < kDigitWidth; ++x)
            if (kDigits[digit][y][x] == '#')
                sheet.setPixel(at + QPoint(x, y), qRgb(0, 0, 0));
}

}  // namespace

void Binarise(QImage& sheet, const QRect& cell) {
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            sheet.setPixel(x, y,
                           qGray(sheet.pixel(x, y)) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
}

void DrawSpreadText(QImage& sheet, const QRect& cell, const QString& text, int pixelSize) {
    const int n = static_cast<int>(text.size());
    if (n == 0)
        return;
    // Side by side with a pixel between when they fill the cell, else spread.
    const int used = n * pixelSize + (n - 1);
    const int free = cell.width() - used;
    const int gap = 1 + (n > 1 && free > 0 ? free / (n + 1) : 0);
    const int start = cell.left() + (cell.width() - (n * pixelSize + (n - 1) * gap)) / 2;
    QPainter p(&sheet);
    p.setFont(GothicFont(pixelSize, false));
    p.setPen(Qt::black);
    for (int k = 0; k < n; ++k) {
        const QRect box(start + k * (pixelSize + gap), cell.top(), pixelSize, cell.height());
        p.drawText(box, Qt::AlignCenter, text.mid(k, 1));
    }
    p.end();
    Binarise(sheet, cell);
}

void DrawNumber(QImage& sheet, const QRect& cell, int value) {
    const QString digits = QString::number(value);
    const int width = static_cast<int>(digits.size()) * (kDigitWidth + 1) - 1;
    QPoint at(cell.left() + (cell.width() - width + 1) / 2,
              cell.top() + (cell.height() - kDigitHeight) / 2);
    for (QChar c : digits) {
        DrawDigit(sheet, at, c.digitValue());
        at.rx() += kDigitWidth + 1;
    }
}

void DrawSeparator(QImage& sheet, const QRect& cell) {
    const int left = cell.left() + (cell.width() - 7) / 2;
    const int top = cell.top() + cell.height() / 2 - 1;
    for (int y = top; y < top + 2; ++y)
        for (int x = left; x < left + 7; ++x) sheet.setPixel(x, y, qRgb(0, 0, 0));
}

}  // namespace kelmar::pictures
