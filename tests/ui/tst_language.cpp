// The window in the user's language: its texts pass through the catalogue
// where they are shown, untranslated ones stay English.
#include "fakemessageboxes.h"
#include "form1.h"
#include "sensorfixture.h"

#include <QCheckBox>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

#include <memory>

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void germanCatalogue();
};

void TestLanguage::germanCatalogue()
{
    QTranslator german;
    QVERIFY(german.load(QStringLiteral("ostraval_de"), QStringLiteral(OSTRAVAL_TRANSLATIONS)));
    QVERIFY(QCoreApplication::installTranslator(&german));
    FakeMessageBoxes boxes;
    const std::unique_ptr<Form1> form = fixture::openUnpluggedWindow(boxes);
    QCoreApplication::removeTranslator(&german);

    const auto *tabs = form->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    QVERIFY(tabs);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Ersteinrichtung"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Tasten beim Weggehen"));
    const auto *shift = form->findChild<QCheckBox *>(QStringLiteral("Key1Mods2(0)"));
    QVERIFY(shift);
    QCOMPARE(shift->accessibleName(), QStringLiteral("Taste 1 beim Weggehen, Umschalt links"));
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
