#include "catalogues.h"

#include <QtTest>

class TestCatalogues : public QObject {
    Q_OBJECT
private slots:
    void userLanguages_data();
    void userLanguages();
    void messageKeepsEnglish();
};

void TestCatalogues::userLanguages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("all");
    QTest::addColumn<QString>("messages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("nothing set") << "" << "" << "" << "" << QStringList();
    QTest::newRow("LANG alone") << "" << "" << "" << "de_DE.UTF-8" << QStringList{"de_DE"};
    QTest::newRow("LC_MESSAGES before LANG") << "" << "" << "cs_CZ.UTF-8" << "de_DE.UTF-8" << QStringList{"cs_CZ"};
    QTest::newRow("LC_ALL before LC_MESSAGES") << "" << "de_AT.UTF-8@euro" << "cs_CZ.UTF-8" << ""
                                               << QStringList{"de_AT"};
    QTest::newRow("LANGUAGE first, in its order")
        << "cs:de_CH" << "C.UTF-8" << "" << "" << QStringList{"cs", "de_CH", "en"};
    QTest::newRow("C and POSIX are English") << "" << "POSIX" << "" << "" << QStringList{"en"};
    QTest::newRow("empty parts of LANGUAGE") << ":de::" << "" << "" << "" << QStringList{"de"};
}

void TestCatalogues::userLanguages()
{
    QFETCH(QString, language);
    QFETCH(QString, all);
    QFETCH(QString, messages);
    QFETCH(QString, lang);
    QFETCH(QStringList, expected);

    const std::pair<const char *, QString> settings[] = {
        {"LANGUAGE", language}, {"LC_ALL", all}, {"LC_MESSAGES", messages}, {"LANG", lang}};
    for (const auto &[name, value] : settings) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value.toUtf8());
    }
    QCOMPARE(i18n::userLanguages(), expected);
}

// Arguments go into both texts; the English one never passes a translator.
void TestCatalogues::messageKeepsEnglish()
{
    const i18n::Message message =
        i18n::Message("ostraval-ctl", "%n field(s) would change in %1", 3).arg(QStringLiteral("x.json"));
    QCOMPARE(message.english(), QStringLiteral("3 field(s) would change in x.json"));
    QCOMPARE(message.shown(), QStringLiteral("3 field(s) would change in x.json"));
    const i18n::Message both = i18n::Message::both(QStringLiteral("No such file"), QStringLiteral("Datei fehlt"));
    QCOMPARE(i18n::Message::verbatim(QStringLiteral("a: %1")).arg(both).english(), QStringLiteral("a: No such file"));
    QCOMPARE(i18n::Message::verbatim(QStringLiteral("a: %1")).arg(both).shown(), QStringLiteral("a: Datei fehlt"));
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
