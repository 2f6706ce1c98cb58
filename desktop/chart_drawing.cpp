#include "desktop/chart_drawing.h"

#include "canvas/chart.h"
#include "desktop/picture_copy.h"

namespace kelmar {

void DrawChart(const ChartRows& rows, QImage& target) {
    canvas::DrawChart(rows, PixelsOf(target));
}

QString ChartColumnTitles() {
    return QStringLiteral("番付 四股名  勝敗  経験値  番付 四股名  勝敗  経験値");
}

}  // namespace kelmar
