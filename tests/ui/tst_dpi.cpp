// The window at the screen's logical resolution: its size and its controls'
// positions follow the resolution (1440 twips per logical inch), and no
// caption is cut off. CTest runs this at 96, 120 and 144 dpi.
#include "captionfit.h"
#include "fakemessageboxes.h"
#include "form1.h"
#include "kv3sim.h"
#include "sensorfixture.h"

#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

// Twips to pixels at `dpi`, as a position or a length on the window.
int pixels(int twips, int dpi)
{
    return qRound(twips * dpi / 1440.0);
}

// The widgets whose captions the user sees on the window's current page.
QList<QWidget *> captionedWidgetsShowing(QWidget *form)
{
    QList<QWidget *> found;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        // Controls out of sight are clipped away by their container.
        if (w->isVisible() && !w->objectName().isEmpty() && !w->visibleRegion().isEmpty())
            found.append(w);
    }
    return found;
}

} // namespace

class TestDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void windowSize();
    void controlPositions_data();
    void controlPositions();
    void captionsShowWhole_data();
    void captionsShowWhole();

private:
    FakeMessageBoxes boxes_;
    std::unique_ptr<Form1> form_;
    int dpi_ = 0;
};

void TestDpi::initTestCase()
{
    form_ = fixture::openUnpluggedWindow(boxes_);
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    dpi_ = form_->logicalDpiY();
    if (qEnvironmentVariableIsSet("QT_FONT_DPI"))
        QCOMPARE(dpi_, qEnvironmentVariableIntValue("QT_FONT_DPI"));
}

void TestDpi::cleanupTestCase()
{
    form_.reset();
}

void TestDpi::windowSize()
{
    QCOMPARE(form_->size(), QSize(pixels(10800, dpi_), pixels(5835, dpi_)));
}

void TestDpi::controlPositions_data()
{
    // Where each control lies on the window, in twips: a page's controls
    // sit at the tab container's origin (120, 720) plus their own place,
    // plus their frame's.
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("banner") << 0 << "Label7" << QRect(1680, 120, 7095, 495);
    QTest::newRow("Apply") << 0 << "Command4" << QRect(9360, 5160, 1095, 375);
    QTest::newRow("detection range") << 0 << "MaxDist" << QRect(4080, 1500, 375, 285);
    QTest::newRow("factory reset") << 0 << "Command1" << QRect(7800, 3720, 2175, 375);
    QTest::newRow("Windows XP Classic") << 0 << "Option2" << QRect(7920, 2520, 2052, 255);
    QTest::newRow("walk-away keystroke 3 key") << 1 << "Combo3" << QRect(4440, 3420, 1095, 315);
    QTest::newRow("walk-away key delay") << 1 << "InterKeyDelay" << QRect(6480, 4380, 615, 285);
    QTest::newRow("walk-up keystroke 1 code") << 2 << "Text4(0)" << QRect(1800, 3420, 375, 285);
    QTest::newRow("walk-up keystroke 5 right GUI")
        << 2 << "Key1Mods128(10)" << QRect(9360, 2940, 255, 255);
    QTest::newRow("firmware") << 3 << "Text1" << QRect(2400, 3180, 1260, 285);
}

void TestDpi::controlPositions()
{
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    form_->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(page);
    QApplication::processEvents();

    QWidget *control = form_->findChild<QWidget *>(name);
    QVERIFY(control);
    const QPoint at = control->mapTo(form_.get(), QPoint(0, 0));
    // Each level of containers rounds on its own: a pixel either way.
    QVERIFY2(qAbs(at.x() - pixels(twips.left(), dpi_)) <= 2 &&
                 qAbs(at.y() - pixels(twips.top(), dpi_)) <= 2,
             qPrintable(QStringLiteral("at %1,%2").arg(at.x()).arg(at.y())));
    QVERIFY(qAbs(control->width() - pixels(twips.width(), dpi_)) <= 1);
    QVERIFY(qAbs(control->height() - pixels(twips.height(), dpi_)) <= 1);
}

void TestDpi::captionsShowWhole_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("Initial Setup") << 0;
    QTest::newRow("Walk-Away Keystrokes") << 1;
    QTest::newRow("Walk-Up Keystrokes") << 2;
    QTest::newRow("About") << 3;
}

void TestDpi::captionsShowWhole()
{
    QFETCH(int, page);
    form_->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(page);
    QApplication::processEvents();

    QStringList cut;
    for (QWidget *w : captionedWidgetsShowing(form_.get())) {
        const QString why = fixture::captionCut(w);
        if (!why.isEmpty())
            cut.append(w->objectName() + QStringLiteral(": ") + why);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestDpi)
#include "tst_dpi.moc"
