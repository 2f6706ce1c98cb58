#include "pictures/latin.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <climits>
#include <span>
#include <stdexcept>

#include "canvas/chart.h"
#include "desktop/picture_copy.h"
#include "state/picture_sheet.h"

namespace kelmar::pictures {

namespace {

// A glyph as written below: its first inked row of the face, then its rows
// from there, '/' between them.
struct Drawn {
    char letter;
    int top;
    const char* rows;
};

// The tall face: 11 rows, capitals and ascenders from row 0, the x-height
// from row 3, the baseline row 8, descenders to row 10. Lowercase is three
// pixels wide (m and w five), capitals four or five: condensed, so that a
// reading of eleven letters holds on one line of the plate.
constexpr Drawn kTall[] = {
    {'a', 3, "##./..#/.##/#.#/#.#/.##"},
    {'b', 0, "#../#../#../##./#.#/#.#/#.#/#.#/##."},
    {'c', 3, ".##/#../#../#../#../.##"},
    {'d', 0, "..#/..#/..#/.##/#.#/#.#/#.#/#.#/.##"},
    {'e', 3, ".#./#.#/###/#../#../.##"},
    {'f', 0, ".##/#../#../##./#../#../#../#../#.."},
    {'g', 3, ".##/#.#/#.#/#.#/#.#/.##/..#/##."},
    {'h', 0, "#../#../#../##./#.#/#.#/#.#/#.#/#.#"},
    {'i', 1, "#/./#/#/#/#/#/#"},
    {'j', 1, ".#/../.#/.#/.#/.#/.#/.#/.#/#."},
    {'k', 0, "#../#../#../#.#/#.#/##./##./#.#/#.#"},
    {'l', 0, "#/#/#/#/#/#/#/#/#"},
    {'m', 3, "##.#./#.#.#/#.#.#/#.#.#/#.#.#/#.#.#"},
    {'n', 3, "##./#.#/#.#/#.#/#.#/#.#"},
    {'o', 3, ".#./#.#/#.#/#.#/#.#/.#."},
    {'p', 3, "##./#.#/#.#/#.#/#.#/##./#../#.."},
    {'q', 3, ".##/#.#/#.#/#.#/#.#/.##/..#/..#"},
    {'r', 3, "#.#/##./#../#../#../#.."},
    {'s', 3, ".##/#../#../.#./..#/##."},
    {'t', 1, ".#./.#./###/.#./.#./.#./.#./..#"},
    {'u', 3, "#.#/#.#/#.#/#.#/#.#/.##"},
    {'v', 3, "#.#/#.#/#.#/#.#/#.#/.#."},
    {'w', 3, "#...#/#...#/#...#/#.#.#/#.#.#/.#.#."},
    {'x', 3, "#.#/#.#/.#./.#./#.#/#.#"},
    {'y', 3, "#.#/#.#/#.#/#.#/#.#/.##/..#/##."},
    {'z', 3, "###/..#/.#./.#./#../###"},
    {'A', 0, ".##./#..#/#..#/#..#/####/#..#/#..#/#..#/#..#"},
    {'B', 0, "###./#..#/#..#/#..#/###./#..#/#..#/#..#/###."},
    {'C', 0, ".##./#..#/#.../#.../#.../#.../#.../#..#/.##."},
    {'D', 0, "###./#..#/#..#/#..#/#..#/#..#/#..#/#..#/###."},
    {'E', 0, "####/#.../#.../#.../###./#.../#.../#.../####"},
    {'F', 0, "####/#.../#.../#.../###./#.../#.../#.../#..."},
    {'G', 0, ".##./#..#/#.../#.../#.##/#..#/#..#/#..#/.###"},
    {'H', 0, "#..#/#..#/#..#/#..#/####/#..#/#..#/#..#/#..#"},
    {'I', 0, "###/.#./.#./.#./.#./.#./.#./.#./###"},
    {'J', 0, "...#/...#/...#/...#/...#/...#/...#/#..#/.##."},
    {'K', 0, "#..#/#..#/#.#./#.#./##../#.#./#.#./#..#/#..#"},
    {'L', 0, "#.../#.../#.../#.../#.../#.../#.../#.../####"},
    {'M', 0, "#...#/##.##/#.#.#/#.#.#/#...#/#...#/#...#/#...#/#...#"},
    {'N', 0, "#..#/#..#/##.#/##.#/#.##/#.##/#..#/#..#/#..#"},
    {'O', 0, ".##./#..#/#..#/#..#/#..#/#..#/#..#/#..#/.##."},
    {'P', 0, "###./#..#/#..#/#..#/###./#.../#.../#.../#..."},
    {'Q', 0, ".##./#..#/#..#/#..#/#..#/#..#/#.##/#..#/.##."},
    {'R', 0, "###./#..#/#..#/#..#/###./#.#./#..#/#..#/#..#"},
    {'S', 0, ".##./#..#/#.../#.../.##./...#/...#/#..#/.##."},
    {'T', 0, "#####/..#../..#../..#../..#../..#../..#../..#../..#.."},
    {'U', 0, "#..#/#..#/#..#/#..#/#..#/#..#/#..#/#..#/.##."},
    {'V', 0, "#...#/#...#/#...#/#...#/#...#/.#.#./.#.#./.#.#./..#.."},
    {'W', 0, "#...#/#...#/#...#/#...#/#...#/#.#.#/#.#.#/#.#.#/.#.#."},
    {'X', 0, "#..#/#..#/#..#/.##./.##./.##./#..#/#..#/#..#"},
    {'Y', 0, "#...#/#...#/.#.#./.#.#./..#../..#../..#../..#../..#.."},
    {'Z', 0, "####/...#/..#./..#./.#../.#../#.../#.../####"},
    {'-', 5, "###"},
    {' ', 0, ".."},
};

// The small face: 8 rows, capitals and ascenders from row 0, the x-height
// from row 2, the baseline row 6 and one row of descender, so that two lines
// and a free row between them fill the plate's 17.
constexpr Drawn kSmall[] = {
    {'a', 2, "##./..#/.##/#.#/.##"},
    {'b', 0, "#../#../##./#.#/#.#/#.#/##."},
    {'c', 2, ".##/#../#../#../.##"},
    {'d', 0, "..#/..#/.##/#.#/#.#/#.#/.##"},
    {'e', 2, ".#./#.#/###/#../.##"},
    {'f', 0, ".##/#../##./#../#../#../#.."},
    {'g', 2, ".##/#.#/#.#/.##/..#/##."},
    {'h', 0, "#../#../##./#.#/#.#/#.#/#.#"},
    {'i', 0, "#/./#/#/#/#/#"},
    {'j', 0, ".#/../.#/.#/.#/.#/.#/#."},
    {'k', 0, "#../#../#.#/#.#/##./#.#/#.#"},
    {'l', 0, "#/#/#/#/#/#/#"},
    {'m', 2, "##.#./#.#.#/#.#.#/#.#.#/#.#.#"},
    {'n', 2, "##./#.#/#.#/#.#/#.#"},
    {'o', 2, ".#./#.#/#.#/#.#/.#."},
    {'p', 2, "##./#.#/#.#/##./#../#.."},
    {'q', 2, ".##/#.#/#.#/.##/..#/..#"},
    {'r', 2, "#.#/##./#../#../#.."},
    {'s', 2, ".##/#../.#./..#/##."},
    {'t', 1, ".#./###/.#./.#./.#./..#"},
    {'u', 2, "#.#/#.#/#.#/#.#/.##"},
    {'v', 2, "#.#/#.#/#.#/#.#/.#."},
    {'w', 2, "#...#/#...#/#.#.#/#.#.#/.#.#."},
    {'x', 2, "#.#/#.#/.#./#.#/#.#"},
    {'y', 2, "#.#/#.#/#.#/.##/..#/##."},
    {'z', 2, "###/..#/.#./#../###"},
    {'A', 0, ".##./#..#/#..#/####/#..#/#..#/#..#"},
    {'B', 0, "###./#..#/#..#/###./#..#/#..#/###."},
    {'C', 0, ".##./#..#/#.../#.../#.../#..#/.##."},
    {'D', 0, "###./#..#/#..#/#..#/#..#/#..#/###."},
    {'E', 0, "####/#.../#.../###./#.../#.../####"},
    {'F', 0, "####/#.../#.../###./#.../#.../#..."},
    {'G', 0, ".##./#..#/#.../#.##/#..#/#..#/.###"},
    {'H', 0, "#..#/#..#/#..#/####/#..#/#..#/#..#"},
    {'I', 0, "###/.#./.#./.#./.#./.#./###"},
    {'J', 0, "...#/...#/...#/...#/...#/#..#/.##."},
    {'K', 0, "#..#/#.#./#.#./##../#.#./#.#./#..#"},
    {'L', 0, "#.../#.../#.../#.../#.../#.../####"},
    {'M', 0, "#...#/##.##/#.#.#/#.#.#/#...#/#...#/#...#"},
    {'N', 0, "#..#/##.#/##.#/#.##/#.##/#..#/#..#"},
    {'O', 0, ".##./#..#/#..#/#..#/#..#/#..#/.##."},
    {'P', 0, "###./#..#/#..#/###./#.../#.../#..."},
    {'Q', 0, ".##./#..#/#..#/#..#/#.##/#..#/.##."},
    {'R', 0, "###./#..#/#..#/###./#.#./#..#/#..#"},
    {'S', 0, ".##./#..#/#.../.##./...#/#..#/.##."},
    {'T', 0, "#####/..#../..#../..#../..#../..#../..#.."},
    {'U', 0, "#..#/#..#/#..#/#..#/#..#/#..#/.##."},
    {'V', 0, "#...#/#...#/#...#/.#.#./.#.#./.#.#./..#.."},
    {'W', 0, "#...#/#...#/#...#/#.#.#/#.#.#/#.#.#/.#.#."},
    {'X', 0, "#..#/#..#/.##./.##./.##./#..#/#..#"},
    {'Y', 0, "#...#/#...#/.#.#./..#../..#../..#../..#.."},
    {'Z', 0, "####/...#/..#./.#../.#../#.../####"},
    {'-', 4, "##"},
    {' ', 0, ".."},
};

constexpr int kRankRows = 11;
// The rank letters of English banzuke, in the strokes of our digits.
constexpr const char* kRankLetters[5][kRankRows] = {
    {"##....##", "##....##", ".##..##.", ".##..##.", "..####..", "...##...", "...##...", "...##...",
     "...##...", "...##...", "...##..."},  // Y
    {"..#####..", ".##...##.", "##.....##", "##.....##", "##.....##", "##.....##", "##.....##",
     "##.....##", "##.....##", ".##...##.", "..#####.."},  // O, rounder than the digit 0
    {".#####.", "##...##", "##.....", "##.....", "##.....", ".#####.", ".....##", ".....##",
     ".....##", "##...##", ".#####."},  // S
    {"##...##", "##...##", "##..##.", "##.##..", "####...", "###....", "####...", "##.##..",
     "##..##.", "##...##", "##...##"},  // K
    {"##...##", "###.###", "#######", "##.#.##", "##.#.##", "##...##", "##...##", "##...##",
     "##...##", "##...##", "##...##"},  // M
};

LatinFace MakeFace(int height, int baseline, std::span<const Drawn> drawn) {
    LatinFace face{height, baseline, {}};
    for (const Drawn& d : drawn) {
        LatinGlyph glyph;
        glyph.letter = d.letter;
        std::vector<std::string> inked;
        std::string_view rest = d.rows;
        for (;;) {
            const size_t slash = rest.find('/');
            inked.emplace_back(rest.substr(0, slash));
            if (slash == std::string_view::npos)
                break;
            rest.remove_prefix(slash + 1);
        }
        glyph.width = static_cast<int>(inked.front().size());
        glyph.rows.assign(static_cast<size_t>(height), std::string(size_t(glyph.width), '.'));
        for (size_t r = 0; r < inked.size(); ++r) {
            if (static_cast<int>(inked[r].size()) != glyph.width || d.top + int(r) >= height)
                throw std::logic_error(std::string("a misdrawn glyph: ") + d.letter);
            glyph.rows[static_cast<size_t>(d.top) + r] = inked[r];
        }
        face.glyphs[d.letter] = std::move(glyph);
    }
    return face;
}

}  // namespace

const LatinFace& TallFace() {
    static const LatinFace face = MakeFace(11, 8, kTall);
    return face;
}

const LatinFace& SmallFace() {
    static const LatinFace face = MakeFace(8, 6, kSmall);
    return face;
}

const LatinGlyph& LatinFace::Of(char letter) const {
    const auto found = glyphs.find(letter);
    if (found == glyphs.end())
        throw std::runtime_error(std::string("no Latin glyph for '") + letter + "'");
    return found->second;
}

namespace {

constexpr int kPlateWidth = sheet::kPlateWidth;
constexpr int kFirstColumn = 1, kLastColumn = kPlateWidth - 2;  // a free column at each side

int LineWidth(const LatinFace& face, std::string_view line) {
    int width = -1;
    for (char c : line) width += face.Of(c).width + 1;
    return width;
}

bool Fits(const LatinFace& face, std::string_view line) {
    return LineWidth(face, line) <= kLastColumn - kFirstColumn + 1;
}

// The endings that many shikona share, each the reading of one character
// (山, 錦, 雷, 海, 丸, 嶺, 岳, 風, 灘): a name too long for one line breaks
// before its ending, as the characters divide it.
constexpr std::string_view kEndings[] = {"ikazuchi", "nishiki", "yama", "dake", "maru",
                                         "mine",     "kaze",    "nada", "umi",  "zan"};

bool IsVowel(char c) {
    return std::string_view("aeiouAEIOU").find(c) != std::string_view::npos;
}

// A break between two syllables: after a vowel, after a syllabic n, or
// between a doubled consonant.
bool SyllableBreak(std::string_view s, size_t at) {
    const char before = s[at - 1], after = s[at];
    if (IsVowel(before))
        return true;
    if ((before == 'n' || before == 'N') && !IsVowel(after) && after != 'y')
        return true;
    return before == after && !IsVowel(after);
}

std::vector<std::string> TwoLines(std::string_view reading, size_t at) {
    return {std::string(reading.substr(0, at)) + "-", std::string(reading.substr(at))};
}

bool TwoLinesFit(std::string_view reading, size_t at) {
    const auto lines = TwoLines(reading, at);
    return Fits(SmallFace(), lines[0]) && Fits(SmallFace(), lines[1]);
}

}  // namespace

std::vector<std::string> PlateLines(std::string_view reading) {
    if (reading.empty())
        throw std::runtime_error("an empty reading");
    if (Fits(TallFace(), reading))
        return {std::string(reading)};
    for (std::string_view ending : kEndings) {
        if (reading.size() < ending.size() + 2 || !reading.ends_with(ending))
            continue;
        const size_t at = reading.size() - ending.size();
        if (TwoLinesFit(reading, at))
            return TwoLines(reading, at);
    }
    size_t best = 0;
    int bestBalance = INT_MAX;
    for (size_t at = 2; at + 2 <= reading.size(); ++at) {
        if (!SyllableBreak(reading, at) || !TwoLinesFit(reading, at))
            continue;
        const auto lines = TwoLines(reading, at);
        const int balance =
            std::abs(LineWidth(SmallFace(), lines[0]) - LineWidth(SmallFace(), lines[1]));
        if (balance < bestBalance) {
            best = at;
            bestBalance = balance;
        }
    }
    if (best == 0)
        throw std::runtime_error("the reading " + std::string(reading) +
                                 " does not fit a name plate");
    return TwoLines(reading, best);
}

namespace {

// The plate's columns that the chart shows twice, as the game's own copy
// widens the plate to its place in the row.
const std::array<bool, kPlateWidth>& DoubledColumns() {
    static const std::array<bool, kPlateWidth> doubled = [] {
        constexpr int shown = canvas::kShownPlateRight - canvas::kShownPlateLeft;
        QImage probe(kPlateWidth, 1, QImage::Format_RGB32);
        for (int x = 0; x < kPlateWidth; ++x) probe.setPixel(x, 0, qRgb(x, 0, 0));
        QImage wide(shown, 1, QImage::Format_RGB32);
        CopyRect(wide, wide.rect(), probe, probe.rect());
        std::array<int, kPlateWidth> times{};
        for (int x = 0; x < shown; ++x) ++times[static_cast<size_t>(qRed(wide.pixel(x, 0)))];
        std::array<bool, kPlateWidth> twice{};
        for (int x = 0; x < kPlateWidth; ++x) twice[static_cast<size_t>(x)] = times[size_t(x)] > 1;
        return twice;
    }();
    return doubled;
}

bool Ink(const LatinGlyph& g, int column, int row) {
    if (column < 0 || column >= g.width || row < 0 || row >= static_cast<int>(g.rows.size()))
        return false;
    return g.rows[static_cast<size_t>(row)][static_cast<size_t>(column)] == '#';
}

// Whether a column of the glyph carries an upright stroke: a pixel with ink
// above or below it and none beside it. Shown twice, it would stand twice as
// thick as the others.
bool CarriesStem(const LatinGlyph& g, int column) {
    for (int row = 0; row < static_cast<int>(g.rows.size()); ++row)
        if (Ink(g, column, row) && !Ink(g, column - 1, row) && !Ink(g, column + 1, row) &&
            (Ink(g, column, row - 1) || Ink(g, column, row + 1)))
            return true;
    return false;
}

int StemsDoubled(const LatinGlyph& g, int left) {
    int n = 0;
    for (int c = 0; c < g.width; ++c) n += DoubledColumns()[size_t(left + c)] && CarriesStem(g, c);
    return n;
}

// A gap of two pixels shows as two, as a doubled gap of one does; one that
// the chart doubles would show as three, a space between words.
bool WideGapAllowed(int left) {
    return !DoubledColumns()[size_t(left)] && !DoubledColumns()[size_t(left + 1)];
}

// The left column of each letter of the line. Of every placing within the
// free columns with gaps of one pixel, or two where the chart shows them as
// two, the one with the fewest stems on doubled columns, then the fewest wide
// gaps, then the best centred.
std::vector<int> PlaceLine(const LatinFace& face, std::string_view line) {
    constexpr int kStemCost = 8, kWideGapCost = 3;
    std::vector<const LatinGlyph*> glyphs;
    for (char c : line) glyphs.push_back(&face.Of(c));
    const size_t n = glyphs.size();
    struct Step {
        int cost = INT_MAX;
        int from = -1;  // the previous letter's left column
    };
    int bestCost = INT_MAX;
    std::vector<int> best;
    for (int start = kFirstColumn; start <= kLastColumn; ++start) {
        // cost[i][x]: letters 0..i placed, letter i at column x.
        std::vector<std::array<Step, kPlateWidth>> cost(n);
        if (start + glyphs[0]->width - 1 > kLastColumn)
            break;
        cost[0][size_t(start)] = {kStemCost * StemsDoubled(*glyphs[0], start), -1};
        for (size_t i = 1; i < n; ++i)
            for (int x = 0; x < kPlateWidth; ++x) {
                const Step& here = cost[i - 1][size_t(x)];
                if (here.cost == INT_MAX)
                    continue;
                for (int gap = 1; gap <= 2; ++gap) {
                    const int next = x + glyphs[i - 1]->width + gap;
                    if (next + glyphs[i]->width - 1 > kLastColumn ||
                        (gap == 2 && !WideGapAllowed(next - 2)))
                        continue;
                    const int c = here.cost + (gap == 2 ? kWideGapCost : 0) +
                                  kStemCost * StemsDoubled(*glyphs[i], next);
                    if (c < cost[i][size_t(next)].cost)
                        cost[i][size_t(next)] = {c, x};
                }
            }
        for (int x = 0; x < kPlateWidth; ++x) {
            const Step& last = cost[n - 1][size_t(x)];
            if (last.cost == INT_MAX)
                continue;
            const int freeRight = kPlateWidth - (x + glyphs[n - 1]->width);
            const int total = last.cost + std::abs(start - freeRight);
            if (total >= bestCost)
                continue;
            bestCost = total;
            best.assign(n, 0);
            int at = x;
            for (size_t i = n; i-- > 0;) {
                best[i] = at;
                at = cost[i][size_t(at)].from;
            }
        }
    }
    if (best.empty())
        throw std::runtime_error("the line " + std::string(line) + " does not fit a name plate");
    return best;
}

void DrawLine(QImage& sheet, QPoint corner, const LatinFace& face, std::string_view line) {
    const std::vector<int> lefts = PlaceLine(face, line);
    for (size_t i = 0; i < line.size(); ++i) {
        const LatinGlyph& g = face.Of(line[i]);
        for (int row = 0; row < face.height; ++row)
            for (int c = 0; c < g.width; ++c)
                if (Ink(g, c, row))
                    sheet.setPixel(corner.x() + lefts[i] + c, corner.y() + row, qRgb(0, 0, 0));
    }
}

}  // namespace

void DrawLatinPlate(QImage& sheet, const QRect& cell, std::string_view reading) {
    const std::vector<std::string> lines = PlateLines(reading);
    if (lines.size() == 1) {
        DrawLine(sheet, cell.topLeft() + QPoint(0, kTallLineTop), TallFace(), lines[0]);
        return;
    }
    for (size_t k = 0; k < lines.size(); ++k)
        DrawLine(sheet, cell.topLeft() + QPoint(0, kSmallLineTops[k]), SmallFace(), lines[k]);
}

void DrawRankLetter(QImage& sheet, const QRect& cell, int code) {
    const char* const* rows = kRankLetters[code - 1];
    const int width = static_cast<int>(std::string_view(rows[0]).size());
    const QPoint at(cell.left() + (cell.width() - width + 1) / 2,
                    cell.top() + (cell.height() - kRankRows) / 2);
    for (int y = 0; y < kRankRows; ++y)
        for (int x = 0; x < width; ++x)
            if (rows[y][x] == '#')
                sheet.setPixel(at + QPoint(x, y), qRgb(0, 0, 0));
}

}  // namespace kelmar::pictures
