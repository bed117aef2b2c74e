#include "contrast.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

double channelLuminance(double c)
{
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor &c)
{
    return 0.2126 * channelLuminance(c.redF()) + 0.7152 * channelLuminance(c.greenF()) +
           0.0722 * channelLuminance(c.blueF());
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

bool readableOnEach(const QColor &colour, std::initializer_list<QColor> backgrounds)
{
    return std::all_of(backgrounds.begin(), backgrounds.end(), [&](const QColor &background) {
        return contrastRatio(colour, background) >= kReadableContrast;
    });
}

} // namespace

QColor readableOn(const QColor &wanted, std::initializer_list<QColor> backgrounds)
{
    if (readableOnEach(wanted, backgrounds))
        return wanted;
    // Towards white on a background darker than mid-grey (whose contrast
    // with white exceeds that with black), towards black otherwise.
    const QColor &background = *backgrounds.begin();
    const bool lighten = contrastRatio(Qt::white, background) > contrastRatio(Qt::black, background);
    const QColor hsl = wanted.toHsl();
    for (int step = 1; step <= 255; ++step) {
        const int lightness = std::clamp(hsl.lightness() + (lighten ? step : -step), 0, 255);
        const QColor shade = QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness);
        if (readableOnEach(shade, backgrounds))
            return shade;
    }
    return lighten ? QColor(Qt::white) : QColor(Qt::black);
}

namespace {

// Keeps a label's highlight-coloured text readable: recomputed from its
// parent's palette whenever the palette it inherits changes.
class HighlightText : public QObject {
public:
    explicit HighlightText(QLabel *label) : QObject(label), label_(label)
    {
        label->setForegroundRole(QPalette::Highlight);
        label->installEventFilter(this);
        update();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            update();
        return QObject::eventFilter(watched, event);
    }

private:
    void update()
    {
        const QWidget *parent = label_->parentWidget();
        const QPalette inherited = parent ? parent->palette() : QPalette();
        const QColor colour = readableOn(inherited.color(QPalette::Highlight),
                                         {inherited.color(QPalette::Window)});
        if (label_->palette().color(QPalette::Highlight) == colour &&
            label_->testAttribute(Qt::WA_SetPalette))
            return;
        // Only the highlight is the label's own; the rest follows the parent.
        QPalette own;
        own.setColor(QPalette::Highlight, colour);
        label_->setPalette(own);
    }

    QLabel *label_;
};

} // namespace

void showInHighlightColour(QLabel *label)
{
    new HighlightText(label);
}

} // namespace ui
