#include "numbers.h"

#include <QtTest>

#include <limits>
#include <optional>

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kFrench(QLocale::French, QLocale::France);
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A column pair for an optional result: readable, and the value if so.
template <typename T>
void addOptionalColumns()
{
    QTest::addColumn<bool>("readable");
    QTest::addColumn<T>("value");
}

template <typename Actual, typename Expected>
void compareOptional(const std::optional<Actual> &actual, bool readable, Expected value)
{
    QCOMPARE(actual.has_value(), readable);
    if (readable)
        QCOMPARE(Expected(*actual), value);
}

// Rows of texts that no strict reading accepts, whatever the locale.
template <typename T>
void addUnreadableTexts()
{
    for (const QLocale &locale : {kEnglish, kGerman}) {
        for (const char *text : {"", "   ", "-", "+", ".", "abc", "40 in", "12abc", "inf", "-inf", "nan", "1e400", "0x10", "1 2"}) {
            QTest::addRow("'%s' %s", text, qPrintable(locale.name()))
                << QString::fromUtf8(text) << locale << false << T{};
        }
    }
}

} // namespace

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void strictWholeNumber_data();
    void strictWholeNumber();
    void strictNumber_data();
    void strictNumber();
    void leadingNumber_data();
    void leadingNumber();
    void leadingNumberRounded_data();
    void leadingNumberRounded();
    void decimalText_data();
    void decimalText();
};

void TestNumbers::strictWholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    addOptionalColumns<int>();

    struct Case {
        const char *text;
        const QLocale &locale;
        bool readable;
        int value;
    };
    const Case cases[] = {
        {"0", kEnglish, true, 0},
        {" 42 ", kEnglish, true, 42},
        {"\t7\t", kEnglish, true, 7},
        {"+5", kEnglish, true, 5},
        {"-5", kEnglish, true, -5},
        {"2.5", kEnglish, true, 2},
        {"3.5", kEnglish, true, 4},
        {"-2.5", kEnglish, true, -2},
        {"36.5", kEnglish, true, 36},
        {"37.5", kEnglish, true, 38},
        {"2.4999", kEnglish, true, 2},
        {"2.5001", kEnglish, true, 3},
        {"1e3", kEnglish, true, 1000},
        {"1E3", kEnglish, true, 1000},
        {"1,000", kEnglish, false, 0}, // group separators never
        {"32767", kEnglish, true, 32767},
        {"32767.4", kEnglish, true, 32767},
        {"32767.5", kEnglish, false, 0},
        {"32768", kEnglish, false, 0},
        {"-32768", kEnglish, true, -32768},
        {"-32768.5", kEnglish, true, -32768},
        {"-32769", kEnglish, false, 0},
        {"1e5", kEnglish, false, 0},
        {"2,5", kGerman, true, 2},
        {"3,5", kGerman, true, 4},
        {"1.000", kGerman, false, 0},
        {"1\u202F000", kFrench, false, 0},
        {"1,5", kFrench, true, 2},
        {"1,5e2", kGerman, true, 150},
        {"2.5", kGerman, false, 0},
        {"2,5", kEnglish, false, 0},
    };
    for (const Case &c : cases) {
        QTest::addRow("'%s' %s", c.text, qPrintable(c.locale.name()))
            << QString::fromUtf8(c.text) << c.locale << c.readable << c.value;
    }
    addUnreadableTexts<int>();
}

void TestNumbers::strictWholeNumber()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(bool, readable);
    QFETCH(int, value);
    compareOptional(config::strictWholeNumber(text, locale), readable, value);
}

void TestNumbers::strictNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    addOptionalColumns<double>();

    QTest::newRow("'5.0'") << QStringLiteral("5.0") << kEnglish << true << 5.0;
    QTest::newRow("'5.5'") << QStringLiteral("5.5") << kEnglish << true << 5.5;
    QTest::newRow("' -0.25 '") << QStringLiteral(" -0.25 ") << kEnglish << true << -0.25;
    QTest::newRow("'1e3'") << QStringLiteral("1e3") << kEnglish << true << 1000.0;
    QTest::newRow("'2.5e-1'") << QStringLiteral("2.5e-1") << kEnglish << true << 0.25;
    QTest::newRow("'40000' (no 16-bit limit)") << QStringLiteral("40000") << kEnglish << true << 40000.0;
    QTest::newRow("'2,5' German") << QStringLiteral("2,5") << kGerman << true << 2.5;
    QTest::newRow("'1.000' German") << QStringLiteral("1.000") << kGerman << false << 0.0;
    QTest::newRow("'1,000' English") << QStringLiteral("1,000") << kEnglish << false << 0.0;
    QTest::newRow("'2.5' German") << QStringLiteral("2.5") << kGerman << false << 0.0;
    QTest::newRow("'2,5' English") << QStringLiteral("2,5") << kEnglish << false << 0.0;
    addUnreadableTexts<double>();
}

void TestNumbers::strictNumber()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(bool, readable);
    QFETCH(double, value);
    compareOptional(config::strictNumber(text, locale), readable, value);
}

void TestNumbers::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    struct Case {
        const char *text;
        double value;
    };
    const Case cases[] = {
        {"", 0},
        {"   ", 0},
        {"-", 0},
        {"+", 0},
        {".", 0},
        {"-.", 0},
        {"abc", 0},
        {"- 5", 0},
        {"inf", 0},
        {"nan", 0},
        {"0x10", 0},
        {"12abc", 12},
        {"40 in", 40},
        {" \t 7x", 7},
        {"007", 7},
        {"-5", -5},
        {"+5", 5},
        {".5", 0.5},
        {"-.5", -0.5},
        {"5.", 5},
        {"12.5", 12.5},
        {"1.2.3", 1.2},
        {"2,5", 2},
        {"1,000", 1},
        {"1 000", 1},
        {"1e3", 1000},
        {"1E3", 1000},
        {"2e+2x", 200},
        {"1e-2", 0.01},
        {"1e", 1},
        {"1e+", 1},
        {"1e-", 1},
        {"1ex", 1},
        {"1e400", kInfinity},
        {"-1e400", -kInfinity},
        {"1e-400", 0},
    };
    for (const Case &c : cases)
        QTest::addRow("'%s'", c.text) << QString::fromUtf8(c.text) << c.value;

    // Out of range through the digits alone, without an exponent.
    QTest::newRow("400 digits") << QStringLiteral("1") + QString(400, u'0') << kInfinity;
    QTest::newRow("400 zeros after the point") << QStringLiteral("0.") + QString(400, u'0') + u'1' << 0.0;
    QTest::newRow("400 digits, small exponent") << QStringLiteral("1") + QString(400, u'0') + QStringLiteral("e-500") << 1e-100;
}

void TestNumbers::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const double actual = config::leadingNumber(text);
    QVERIFY(!std::isnan(actual));
    QCOMPARE(actual, value);
}

void TestNumbers::leadingNumberRounded_data()
{
    QTest::addColumn<QString>("text");
    addOptionalColumns<int>();

    struct Case {
        const char *text;
        bool readable;
        int value;
    };
    const Case cases[] = {
        {"", true, 0},
        {"abc", true, 0},
        {"-", true, 0},
        {"40 in", true, 40},
        {"12abc", true, 12},
        {"2,5", true, 2},
        {"2.5", true, 2},
        {"3.5", true, 4},
        {"-2.5", true, -2},
        {"36.5", true, 36},
        {"37.5", true, 38},
        {"1e3", true, 1000},
        {"32767", true, 32767},
        {"32767.4", true, 32767},
        {"32767.5", false, 0},
        {"32768", false, 0},
        {"-32768", true, -32768},
        {"-32769", false, 0},
        {"1e400", false, 0},
        {"-1e400", false, 0},
    };
    for (const Case &c : cases)
        QTest::addRow("'%s'", c.text) << QString::fromUtf8(c.text) << c.readable << c.value;
}

void TestNumbers::leadingNumberRounded()
{
    QFETCH(QString, text);
    QFETCH(bool, readable);
    QFETCH(int, value);
    compareOptional(config::leadingNumberRounded(text), readable, value);
}

void TestNumbers::decimalText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << QStringLiteral("0");
    QTest::newRow("76") << 76 << QStringLiteral("76");
    QTest::newRow("-5") << -5 << QStringLiteral("-5");
    QTest::newRow("32767") << 32767 << QStringLiteral("32767");
    QTest::newRow("-32768") << -32768 << QStringLiteral("-32768");
}

void TestNumbers::decimalText()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(config::decimalText(value), text);
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
