// Scales the game's icon to one size of the desktop's icon theme:
//   kelmar_scale_icon SOURCE.png SIZE OUT.png
#include <QImage>
#include <QString>
#include <cstdio>

#include "pictures/straight_colours.h"

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: kelmar_scale_icon SOURCE.png SIZE OUT.png\n");
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    bool number = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&number);
    if (icon.isNull() || !number || size <= 0) {
        std::fprintf(stderr, "kelmar_scale_icon: cannot read %s at size %s\n", argv[1], argv[2]);
        return 1;
    }
    // Back to straight colours in integers, so that every machine builds the
    // same small icon.
    const QImage scaled = kelmar::pictures::Unpremultiplied(
        icon.convertToFormat(QImage::Format_ARGB32_Premultiplied)
            .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    if (!scaled.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "kelmar_scale_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
