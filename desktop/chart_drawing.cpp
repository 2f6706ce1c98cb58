#include "desktop/chart_drawing.h"

#include "canvas/chart.h"
#include "desktop/picture_copy.h"
#include "lang/pictures.h"

namespace kelmar {

void DrawChart(const ChartRows& rows, QImage& target, Language language) {
    canvas::DrawChart(rows, PixelsOf(target), SheetFileIn(language));
}

}  // namespace kelmar
