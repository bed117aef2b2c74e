// The window's pictures and icon.
#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>

class QPainter;
class QRectF;

namespace ui {

// Draws the sensor into `r`: a rounded housing, two round transducers side
// by side and a row of three LEDs (green, yellow, red) beneath them. The
// window icon and the installed application icons are drawn by it.
void drawSensor(QPainter &p, const QRectF &r);
// Draws a picture of `size` pixels; text in it takes its colours from
// `palette`, so that it stays readable on a dark one.
using Drawing = QPixmap (*)(QSize size, const QPalette &palette);

// The sensor: a small housing with its two ultrasonic transducers and its
// three LEDs.
QPixmap sensorPicture(QSize size, const QPalette &palette);
// The sensor beside the product name and its tag line.
QPixmap productPicture(QSize size, const QPalette &palette);
// The window icon.
QIcon windowIcon();

// A picture control, scaled to its geometry. Its drawing is made when it is
// first shown (the About page is seldom opened) and again when the palette
// changes.
class Picture : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setDrawing(Drawing drawing, QSize size);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void draw();

    Drawing drawing_ = nullptr;
    QSize size_;
};

} // namespace ui
