// Every text of the window stands out from what is drawn behind it by at
// least the readable contrast, under a light, a dark and a high-contrast
// palette and under the palette the platform gives (a second run takes GTK's
// dark theme through its platform theme). Measured on the rendered pages:
// in each text's area the most common colour is its background, and the
// colour that differs most from it is the text's.
#include "contrast.h"
#include "fakemessageboxes.h"
#include "form1.h"
#include "sensorfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(QPalette)

class TestContrast : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void ratio_data();
    void ratio();
    void readableShadeKeepsTheHue_data();
    void readableShadeKeepsTheHue();
    void everyTextIsReadable_data();
    void everyTextIsReadable();

private:
    QPalette platform_;
};

namespace {

// qt6ct's colour scheme files list the palette's colours in role order.
QPalette schemePalette(const QString &path)
{
    QSettings scheme(path, QSettings::IniFormat);
    scheme.beginGroup(QStringLiteral("ColorScheme"));
    QPalette palette;
    const std::pair<const char *, QPalette::ColorGroup> groups[] = {
        {"active_colors", QPalette::Active},
        {"inactive_colors", QPalette::Inactive},
        {"disabled_colors", QPalette::Disabled}};
    for (const auto &[key, group] : groups) {
        const QStringList colours = scheme.value(QLatin1String(key)).toStringList();
        for (int role = 0; role < colours.size() && role < QPalette::NColorRoles; ++role)
            palette.setColor(group, QPalette::ColorRole(role), QColor(colours[role].trimmed()));
    }
    return palette;
}

// White on black with a bright highlight, as high-contrast themes are.
QPalette highContrastPalette()
{
    QPalette palette(Qt::white, Qt::black);
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(0x1a, 0xeb, 0xff));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

// The contrast of the text in `area` of `page` with its background.
double measuredContrast(const QImage &page, const QRect &area)
{
    QHash<QRgb, int> counts;
    const QRect inside = area.intersected(page.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[page.pixel(x, y) | 0xff000000u];
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = std::max(best, ui::contrastRatio(QColor(it.key()), QColor(background)));
    return best;
}

// Where a control's text is drawn, in the form's coordinates; empty for a
// control that shows no text.
QRect textArea(QWidget *form, QWidget *w)
{
    const QPoint origin = w->mapTo(form, QPoint(0, 0));
    QRect local;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        if (!label->text().trimmed().isEmpty())
            local = label->contentsRect();
    } else if (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w)) {
        auto *button = static_cast<QAbstractButton *>(w);
        if (!button->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            local = button->style()->subElementRect(qobject_cast<QCheckBox *>(w)
                                                        ? QStyle::SE_CheckBoxContents
                                                        : QStyle::SE_RadioButtonContents,
                                                    &option, button);
        }
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        if (!button->text().isEmpty())
            local = button->rect().adjusted(4, 4, -4, -4);
    } else if (auto *text = qobject_cast<QLineEdit *>(w)) {
        if (!text->text().trimmed().isEmpty())
            local = text->rect().adjusted(3, 3, -3, -3);
    } else if (auto *frame = qobject_cast<QGroupBox *>(w)) {
        if (!frame->title().isEmpty())
            local = QRect(8, 0, frame->fontMetrics().horizontalAdvance(frame->title()),
                          frame->fontMetrics().height());
    }
    // Only what shows: controls kept out of sight lie outside their container.
    local &= w->visibleRegion().boundingRect();
    return local.isEmpty() ? QRect() : local.translated(origin);
}

// The product name on the About page's picture: right of the sensor, above
// the tag line.
QRect wordmarkArea(QWidget *form)
{
    auto *picture = form->findChild<QWidget *>(QStringLiteral("Image1"));
    const QRect r = picture->rect();
    const QRect name(qRound(r.width() * 0.35), 0, qRound(r.width() * 0.65),
                     qRound(r.height() * 0.68));
    return name.translated(picture->mapTo(form, QPoint(0, 0)));
}

} // namespace

void TestContrast::initTestCase()
{
    platform_ = QApplication::palette();
    // The run on GTK's dark theme must really have it.
    if (qEnvironmentVariableIsSet("OSTRAVAL_TEST_DARK_PLATFORM"))
        QVERIFY2(platform_.color(QPalette::Window).lightness() < 100,
                 qPrintable(platform_.color(QPalette::Window).name()));
}

void TestContrast::ratio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("expected");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same colour") << QColor(0x30, 0x8c, 0xc6) << QColor(0x30, 0x8c, 0xc6) << 1.0;
    QTest::newRow("either order") << QColor(0x12, 0x60, 0x8a) << QColor(0x22, 0x20, 0x20) << 2.37;
    QTest::newRow("mid grey on white") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54;
}

void TestContrast::ratio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, expected);
    QVERIFY(qAbs(ui::contrastRatio(a, b) - expected) < 0.01);
    QVERIFY(qAbs(ui::contrastRatio(b, a) - expected) < 0.01);
}

void TestContrast::readableShadeKeepsTheHue_data()
{
    QTest::addColumn<QColor>("wanted");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("kept");
    QTest::newRow("dark highlight on dark window")
        << QColor(0x12, 0x60, 0x8a) << QColor(0x22, 0x20, 0x20) << false;
    QTest::newRow("light highlight on light window")
        << QColor(0x30, 0x8c, 0xc6) << QColor(0xef, 0xef, 0xef) << false;
    QTest::newRow("readable already") << QColor(0x1a, 0xeb, 0xff) << QColor(Qt::black) << true;
    QTest::newRow("grey on mid grey") << QColor(0x80, 0x80, 0x80) << QColor(0x77, 0x77, 0x77)
                                      << false;
}

void TestContrast::readableShadeKeepsTheHue()
{
    QFETCH(QColor, wanted);
    QFETCH(QColor, background);
    QFETCH(bool, kept);
    const QColor shade = ui::readableOn(wanted, {background});
    QVERIFY2(ui::contrastRatio(shade, background) >= ui::kReadableContrast,
             qPrintable(shade.name()));
    QCOMPARE(shade == wanted, kept);
    if (wanted.hslSaturation() > 0 && shade != Qt::white && shade != Qt::black)
        QVERIFY(qAbs(shade.hslHue() - wanted.hslHue()) <= 2);
}

void TestContrast::everyTextIsReadable_data()
{
    QTest::addColumn<QString>("style");
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("the platform's palette") << QString() << platform_;
    const QString darker = QStringLiteral("/usr/share/qt6ct/colors/darker.conf");
    if (QFile::exists(darker))
        QTest::newRow("qt6ct darker") << QStringLiteral("Fusion") << schemePalette(darker);
    else
        qWarning("qt6ct's colour schemes are not installed (scripts/setup.sh): %s", qPrintable(darker));
    QTest::newRow("high contrast") << QStringLiteral("Fusion") << highContrastPalette();
}

void TestContrast::everyTextIsReadable()
{
    QFETCH(QString, style);
    QFETCH(QPalette, palette);
    if (!style.isEmpty())
        QApplication::setStyle(QStyleFactory::create(style));
    QApplication::setPalette(palette);
    FakeMessageBoxes boxes;
    const std::unique_ptr<Form1> form = fixture::openWindow(boxes);
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    auto *tabs = form->findChild<QTabWidget *>(QStringLiteral("SSTab1"));

    QStringList unreadable;
    double lowest = 21;
    auto check = [&](const QImage &page, const QString &what, const QRect &area) {
        const double contrast = measuredContrast(page, area);
        lowest = std::min(lowest, contrast);
        if (contrast < ui::kReadableContrast)
            unreadable << QStringLiteral("%1 %2:1").arg(what).arg(contrast, 0, 'f', 2);
    };
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        const QImage page = form->grab().toImage();
        const QString caption = tabs->tabText(i);
        check(page, QStringLiteral("tab %1").arg(caption),
              tabs->tabBar()->tabRect(i).adjusted(4, 3, -4, -3).translated(
                  tabs->tabBar()->mapTo(form.get(), QPoint(0, 0))));
        for (QWidget *w : form->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(form.get()) || !w->isVisible() || !w->isEnabled())
                continue;
            const QRect area = textArea(form.get(), w);
            if (!area.isEmpty())
                check(page, caption + QLatin1Char(' ') + w->objectName(), area);
        }
        if (form->findChild<QWidget *>(QStringLiteral("Image1"))->isVisible())
            check(page, QStringLiteral("wordmark"), wordmarkArea(form.get()));
    }
    const QImage about = form->grab().toImage();
    qInfo("lowest contrast %.2f:1, banner %.2f:1, wordmark %.2f:1", lowest,
          measuredContrast(about, textArea(form.get(),
                                           form->findChild<QWidget *>(QStringLiteral("Label7")))),
          measuredContrast(about, wordmarkArea(form.get())));
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral(", "))));
}

QTEST_MAIN(TestContrast)
#include "tst_contrast.moc"
