// draw_pictures: draws every picture of the game from the names in the data
// files and writes them into a folder, the same bytes on every run.
//
//   draw_pictures [--data DIR] [--out DIR] [--preview DIR]
//
// --data: where Wrestler.txt, juryo.txt and romaji.txt are read (default: data)
// --out: where the pictures are written (default: the data folder)
// --preview: also writes enlarged PNG previews there: the sheet, a day's
//   scoreboard and a banzuke chart composed from the sheet, and the films.
#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <exception>
#include <string>

#include "lang/pictures.h"
#include "pictures/canvas.h"
#include "pictures/film.h"
#include "pictures/icon.h"
#include "pictures/league.h"
#include "pictures/preview.h"
#include "pictures/scoreboard.h"
#include "pictures/sheet.h"
#include "pictures/title.h"
#include "state/encoding.h"

namespace kelmar::pictures {
namespace {

struct Options {
    QString data = "data";
    QString out;
    QString preview;
};

bool ParseOptions(const QStringList& args, Options& options) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (i + 1 >= args.size())
            return false;
        if (arg == "--data") {
            options.data = args[++i];
        } else if (arg == "--out") {
            options.out = args[++i];
        } else if (arg == "--preview") {
            options.preview = args[++i];
        } else {
            return false;
        }
    }
    if (options.out.isEmpty())
        options.out = options.data;
    return true;
}

void DrawAll(const Options& options) {
    const GameState league = ReadLeague(options.data);
    QDir out(options.out);
    if (!out.mkpath("."))
        throw std::runtime_error("cannot make " + options.out.toStdString());
    const QImage sheet = DrawSheet(PortraitNames(league));
    WriteBmp(sheet, out.filePath(QString::fromUtf8("力士.bmp")));
    // The English face's pictures, under names lang/pictures.h gives.
    WriteBmp(DrawEnglishSheet(PortraitReadings(league, options.data)),
             out.filePath(kEnglishSheetFile));
    WriteBmp(DrawLamp(true), out.filePath("On.bmp"));
    WriteBmp(DrawLamp(false), out.filePath("Off.bmp"));
    const char* techniques[] = {"oshi.bmp", "hiki.bmp", "nage.bmp"};
    for (int tactic = 1; tactic <= 3; ++tactic)
        WriteBmp(DrawTechnique(tactic), out.filePath(techniques[tactic - 1]));
    for (char letter = 'a'; letter <= 'm'; ++letter)
        WriteBmp(DrawFilmPicture(letter), out.filePath(QString(QChar(letter)) + ".bmp"));
    WriteBmp(DrawTitle(Language::Japanese), out.filePath("title.bmp"));
    WriteBmp(DrawTitle(Language::English), out.filePath(kEnglishTitleFile));
    // The desktop's icon, and the page's icons for its manifest.
    const struct {
        const char* file;
        int size;
        IconShape shape;
    } icons[] = {{"kelmar.png", kIconSize, IconShape::Tile},
                 {"kelmar-192.png", 192, IconShape::Tile},
                 {"kelmar-512.png", 512, IconShape::Tile},
                 {"kelmar-maskable.png", 512, IconShape::Maskable}};
    for (const auto& icon : icons)
        if (!DrawIcon(icon.size, icon.shape).save(out.filePath(icon.file), "PNG"))
            throw std::runtime_error(std::string("cannot write ") + icon.file);
    if (!options.preview.isEmpty())
        WritePreviews(league, out, QDir(options.preview));
}

}  // namespace
}  // namespace kelmar::pictures

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    kelmar::pictures::Options options;
    if (!kelmar::pictures::ParseOptions(app.arguments(), options)) {
        std::fprintf(stderr, "usage: draw_pictures [--data DIR] [--out DIR] [--preview DIR]\n");
        return 2;
    }
    try {
        kelmar::pictures::DrawAll(options);
    } catch (const kelmar::GameError& e) {
        std::fprintf(stderr, "draw_pictures: %s\n", kelmar::ShiftJisToUtf8(e.what()).c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "draw_pictures: %s\n", e.what());
        return 1;
    }
    return 0;
}
