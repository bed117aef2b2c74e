// The About page's product picture: its text takes the palette's colours,
// so that it stays readable on a dark palette as on a light one.
#include "pictures.h"

#include <QPalette>
#include <QtTest>

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void taglineInTheTextColour_data();
    void taglineInTheTextColour();
};

void TestPictures::taglineInTheTextColour_data()
{
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("window");
    QTest::newRow("light palette") << QColor(Qt::black) << QColor(0xef, 0xef, 0xef);
    QTest::newRow("dark palette") << QColor(0xee, 0xee, 0xee) << QColor(0x2a, 0x2a, 0x2a);
}

void TestPictures::taglineInTheTextColour()
{
    QFETCH(QColor, text);
    QFETCH(QColor, window);
    QPalette palette;
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, window);

    const QSize size(400, 110);
    const QImage picture = ui::productPicture(size, palette).toImage();
    // The tag line runs below the product name, right of the sensor.
    const QRect tagline(qRound(size.height() * 1.27), qRound(size.height() * 0.7),
                        size.width() - qRound(size.height() * 1.3), qRound(size.height() * 0.25));
    int inTextColour = 0;
    for (int y = tagline.top(); y <= tagline.bottom(); ++y)
        for (int x = tagline.left(); x <= tagline.right(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (pixel.alpha() > 200 && qAbs(pixel.lightness() - text.lightness()) < 30)
                ++inTextColour;
        }
    QVERIFY2(inTextColour > 50, qPrintable(QString::number(inTextColour)));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
