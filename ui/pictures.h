// The window's pictures and icon, drawn at start-up.
#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

namespace ui {

// Draws the sensor into `r`: a rounded housing, two round transducers side
// by side and a row of three LEDs (green, yellow, red) beneath them. The
// window icon and the installed application icons are drawn by it.
void drawSensor(QPainter &p, const QRectF &r);
// The sensor: a small housing with its two ultrasonic transducers and its
// three LEDs.
QPixmap sensorPicture(QSize size);
// The sensor beside the product name.
QPixmap productPicture(QSize size);
// The window icon.
QIcon windowIcon();

} // namespace ui
