#include "desktop/pixel_view.h"

#include <QPainter>

namespace kelmar {

PixelView::PixelView(QWidget* parent, const QString& name, QRect geometry) : QWidget(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void PixelView::SetPicture(QImage picture) {
    image_ = std::move(picture);
    update();
}

void PixelView::paintEvent(QPaintEvent*) {
    if (image_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QPoint(0, 0), image_);
}

QImage WhiteSurface(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

}  // namespace kelmar
