// Text that fits in any language: in each catalogue the build has, every
// page of the window (with the Advanced controls shown) shows each caption
// whole, each control inside its container and no caption over another
// control, and the window still fits a 1366x768 screen at 96 dpi. The
// pseudo-language makes every text about 40 % longer and accented, and
// leaves any text that was never marked in plain English. CTest runs this at
// 96, 120 and 144 dpi. With OSTRAVAL_FIT_SHOTS naming a folder, each page is
// saved there as <language>-<dpi>-<page>.png.
#include "captionfit.h"
#include "fakemessageboxes.h"
#include "form1.h"
#include "messagebox.h"
#include "sensorfixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// The catalogues measured, by the name of their file (ostraval_<name>.qm);
// "en" is the window without a catalogue.
const char *const kLanguages[] = {"en", "pseudo", "de", "cs"};

QTabWidget *tabsOf(QWidget *form)
{
    return form->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
}

// Whether the user sees `w`: shown, and not clipped away by its container
// (controls out of sight lie below their page's lower edge).
bool showing(QWidget *w)
{
    return w->isVisible() && !w->visibleRegion().isEmpty();
}

// The controls of the current page and of the window around it whose
// captions the user sees.
QList<QWidget *> captionedControlsShowing(QWidget *form)
{
    QList<QWidget *> found;
    for (QWidget *w : form->findChildren<QWidget *>()) {
        if (!w->objectName().isEmpty() && showing(w) && !fixture::captionOf(w).isEmpty())
            found.append(w);
    }
    return found;
}

// Where the caption's ink lies in its container's coordinates: one line of
// text where its alignment puts it (a check box's indicator and text from
// the left), a wrapped label, a button or a frame whole. Rows of captions
// stand closer than their controls are high; their texts do not touch.
QRect captionArea(QWidget *w)
{
    const auto *label = qobject_cast<QLabel *>(w);
    if ((label && label->wordWrap()) || qobject_cast<QPushButton *>(w) ||
        qobject_cast<QGroupBox *>(w))
        return w->geometry();
    const QFontMetrics fm = w->fontMetrics();
    const int width = label ? fm.boundingRect(label->text()).width()
                            : qMin(w->width(), w->sizeHint().width());
    const Qt::Alignment align = label ? label->alignment() : Qt::AlignLeft | Qt::AlignVCenter;
    return QStyle::alignedRect(w->layoutDirection(), align, QSize(width, fm.height()),
                               w->geometry());
}

// A drawn box or a picture lies under or around the controls by design.
bool isDecoration(QWidget *w)
{
    return w->metaObject() == &QFrame::staticMetaObject || w->inherits("ui::Picture");
}

// The sibling a caption runs over, if any.
QWidget *coveredSibling(QWidget *w)
{
    const QRect area = captionArea(w);
    for (QObject *o : w->parentWidget()->children()) {
        auto *other = qobject_cast<QWidget *>(o);
        if (other && other != w && !other->isWindow() && showing(other) && !isDecoration(other) &&
            other->geometry().intersects(area))
            return other;
    }
    return nullptr;
}

// Whether a caption shown in the pseudo-language kept its English letters:
// a text the catalogue never saw. The product's name is the same in every
// language.
bool untranslated(const QString &caption)
{
    if (caption == ui::applicationTitle())
        return false;
    bool letters = false;
    for (const QChar c : caption) {
        if (c.unicode() > 0x7F)
            return false;
        letters = letters || c.isLetter();
    }
    return letters;
}

// Why `w` does not fit where it stands, or an empty text when it does.
QString misfit(QWidget *w, const QString &language)
{
    if (language == QLatin1String("pseudo") && untranslated(fixture::captionOf(w)))
        return QStringLiteral("\"%1\" is not marked for translation").arg(fixture::captionOf(w));
    const QString cut = fixture::captionCut(w);
    if (!cut.isEmpty())
        return cut;
    QWidget *parent = w->parentWidget();
    if (!parent->rect().contains(w->geometry()))
        return QStringLiteral("reaches outside %1").arg(parent->objectName());
    if (QWidget *other = coveredSibling(w))
        return QStringLiteral("\"%1\" runs over %2").arg(fixture::captionOf(w), other->objectName());
    return {};
}

} // namespace

class TestFit : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesFit_data();
    void pagesFit();

private:
    int dpi_ = 0;
};

void TestFit::initTestCase()
{
    QWidget probe;
    dpi_ = probe.logicalDpiY();
}

void TestFit::pagesFit_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : kLanguages)
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestFit::pagesFit()
{
    QFETCH(QString, language);
    QTranslator catalogue;
    if (language != QLatin1String("en")) {
        if (!catalogue.load(QStringLiteral("ostraval_") + language,
                            QStringLiteral(OSTRAVAL_TRANSLATIONS)))
            QSKIP("the build has no such catalogue");
        QVERIFY(QCoreApplication::installTranslator(&catalogue));
    }
    FakeMessageBoxes boxes;
    const std::unique_ptr<Form1> form = fixture::openUnpluggedWindow(boxes);
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    // The Advanced controls: their warning is answered by the stand-in.
    QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("Command6")), Qt::LeftButton);
    QCoreApplication::removeTranslator(&catalogue);
    QVERIFY(form->findChild<QLabel *>(QStringLiteral("Label18"))->isVisible());

    if (dpi_ == 96) {
        const QSize outer = form->frameGeometry().size();
        qInfo("%s at 96 dpi: the window is %dx%d", qPrintable(language), outer.width(),
              outer.height());
        QVERIFY2(outer.width() <= 1366 && outer.height() <= 768,
                 qPrintable(QStringLiteral("%1x%2").arg(outer.width()).arg(outer.height())));
    }

    const QString shots = qEnvironmentVariable("OSTRAVAL_FIT_SHOTS");
    QTabWidget *tabs = tabsOf(form.get());
    // The window's own controls show on every page: each is named once.
    QMap<QString, QString> misfits;
    QSet<QWidget *> measured;
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QApplication::processEvents();
        for (QWidget *w : captionedControlsShowing(form.get())) {
            measured.insert(w);
            const QString why = misfit(w, language);
            if (!why.isEmpty() && !misfits.contains(w->objectName()))
                misfits.insert(w->objectName(), QStringLiteral("page %1: %2").arg(page).arg(why));
        }
        if (!shots.isEmpty()) {
            QDir().mkpath(shots);
            form->grab().save(QDir(shots).filePath(
                QStringLiteral("%1-%2-%3.png").arg(language).arg(dpi_).arg(page)));
        }
    }
    // The tab names: a row of tabs with less room than it needs elides them
    // or scrolls.
    const QTabBar *bar = tabs->tabBar();
    if (bar->sizeHint().width() > tabs->width())
        misfits.insert(tabs->objectName(), QStringLiteral("its tabs need %1 px, have %2")
                                               .arg(bar->sizeHint().width()).arg(tabs->width()));
    QStringList report;
    for (auto m = misfits.cbegin(); m != misfits.cend(); ++m)
        report.append(m.key() + QStringLiteral(", ") + m.value());
    qInfo("%s at %d dpi: %lld controls measured, %lld do not fit", qPrintable(language), dpi_,
          qint64(measured.size()), qint64(report.size()));
    for (const QString &line : report)
        qInfo("  %s", qPrintable(line));
    QVERIFY2(report.isEmpty(), qPrintable(report.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestFit)
#include "tst_fit.moc"
