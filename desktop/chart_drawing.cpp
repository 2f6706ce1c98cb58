#include "desktop/chart_drawing.h"

#include "canvas/chart.h"
#include "desktop/picture_copy.h"

namespace kelmar {

void DrawChart(const ChartRows& rows, QImage& target) {
    canvas::DrawChart(rows, PixelsOf(target));
}

}  // namespace kelmar
