#include "pictures.h"

#include "contrast.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFont>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>

namespace ui {

namespace {

const QColor kHousing(0x3a, 0x46, 0x55);
const QColor kHousingLight(0x5c, 0x6b, 0x7e);

} // namespace

void drawSensor(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(r.topLeft(), r.bottomLeft());
    shade.setColorAt(0, kHousingLight);
    shade.setColorAt(1, kHousing);
    p.setPen(QPen(kHousing.darker(140), qMax(1.0, r.width() / 60)));
    p.setBrush(shade);
    const qreal radius = r.height() * 0.18;
    p.drawRoundedRect(r, radius, radius);

    const qreal d = qMin(r.width() * 0.34, r.height() * 0.56);
    const qreal cy = r.top() + r.height() * 0.42;
    for (qreal cx : {r.left() + r.width() * 0.28, r.left() + r.width() * 0.72}) {
        QRectF cone(cx - d / 2, cy - d / 2, d, d);
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), qMax(1.0, d / 16)));
        p.setBrush(QColor(0xc8, 0xcc, 0xd0));
        p.drawEllipse(cone);
        p.setBrush(QColor(0x70, 0x76, 0x7c));
        p.drawEllipse(cone.adjusted(d * 0.3, d * 0.3, -d * 0.3, -d * 0.3));
    }

    const qreal led = qMax(2.0, r.height() * 0.09);
    const qreal ly = r.top() + r.height() * 0.82;
    const QColor leds[] = {QColor(0x2e, 0xcc, 0x40), QColor(0xff, 0xd0, 0x20),
                           QColor(0xe8, 0x30, 0x30)};
    for (int i = 0; i < 3; ++i) {
        const qreal lx = r.center().x() + (i - 1) * led * 2.2;
        p.setPen(Qt::NoPen);
        p.setBrush(leds[i]);
        p.drawEllipse(QPointF(lx, ly), led / 2, led / 2);
    }
    p.restore();
}

namespace {

QPixmap blank(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap sensorPicture(QSize size, const QPalette &)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    drawSensor(p, QRectF(QPointF(2, 2), QSizeF(size) - QSizeF(4, 4)));
    return pixmap;
}

QPixmap productPicture(QSize size, const QPalette &palette)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal h = size.height();
    drawSensor(p, QRectF(6, h * 0.14, h * 1.05, h * 0.72));

    QFont name;
    name.setBold(true);
    name.setPixelSize(qRound(h * 0.42));
    p.setFont(name);
    // The product name in the highlight colour, as the banner shows it: a
    // readable shade of it where the palette's own is too near the colours
    // the picture may lie on: the window's, or the tab page's, which the
    // Fusion style paints in the button colour made up to a quarter lighter.
    p.setPen(readableOn(palette.color(QPalette::Highlight),
                        {palette.color(QPalette::Window),
                         palette.color(QPalette::Button).lighter(125)}));
    const QRectF text(h * 1.25, 0, size.width() - h * 1.3, h * 0.68);
    p.drawText(text, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("Ostraval\u00AE"));

    QFont tagline;
    tagline.setPixelSize(qRound(h * 0.15));
    p.setFont(tagline);
    p.setPen(palette.color(QPalette::WindowText));
    p.drawText(QRectF(h * 1.27, h * 0.7, size.width() - h * 1.3, h * 0.25),
               Qt::AlignLeft | Qt::AlignTop, QCoreApplication::translate("Form1", "presence sensor"));
    return pixmap;
}

namespace {

// Draws the sensor at the size the window system asks for, when it asks:
// nothing is drawn for a window that is never shown.
class SensorIconEngine : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        painter->drawPixmap(rect, sensorPicture(rect.size(), QPalette()));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return sensorPicture(size, QPalette());
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(32, 32), QSize(48, 48)};
    }

    QIconEngine *clone() const override { return new SensorIconEngine; }
};

} // namespace

QIcon windowIcon()
{
    return QIcon(new SensorIconEngine);
}

void Picture::setDrawing(Drawing drawing, QSize size)
{
    drawing_ = drawing;
    size_ = size;
    setScaledContents(true);
    if (isVisible())
        draw();
}

void Picture::draw()
{
    if (drawing_)
        setPixmap(drawing_(size_, palette()));
}

void Picture::showEvent(QShowEvent *event)
{
    if (pixmap().isNull())
        draw();
    QLabel::showEvent(event);
}

void Picture::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange && !pixmap().isNull())
        draw();
    QLabel::changeEvent(event);
}

} // namespace ui
