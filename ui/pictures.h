// The window's pictures and icon, drawn at start-up.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace ui {

// The sensor: a small housing with its two ultrasonic transducers and its
// three LEDs.
QPixmap sensorPicture(QSize size);
// The sensor beside the product name.
QPixmap productPicture(QSize size);
// The window icon.
QIcon windowIcon();

} // namespace ui
