// A picture control: shows one image at its own size from the top-left corner,
// pixel for pixel. When the window is scaled (QT_SCALE_FACTOR), every pixel of
// the image becomes a block of device pixels, never a smoothed blur.
#pragma once

#include <QImage>
#include <QWidget>

namespace kelmar {

class PixelView : public QWidget {
    Q_OBJECT

  public:
    PixelView(QWidget* parent, const QString& name, QRect geometry);

    // The picture shown; draw into it and call Changed().
    QImage& Surface() { return image_; }
    const QImage& Surface() const { return image_; }
    void SetPicture(QImage picture);
    void Changed() { update(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage image_;
};

// A white image of this size, as the game's drawing surfaces start.
QImage WhiteSurface(QSize size);

}  // namespace kelmar
