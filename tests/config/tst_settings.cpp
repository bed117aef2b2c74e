// The settings table holds together: each numeric setting names one word of
// one record, the factory configuration passes the window's checks, and the
// modifier rows cover the mask's eight bits once each.
#include "settings.h"

#include <QtTest>

#include <set>

namespace {

// The records that hold the row's word.
int recordsHolding(const config::NumberSetting &row)
{
    using config::Configuration;
    return int{config::liesIn(row.word, &Configuration::sonar)} + int{config::liesIn(row.word, &Configuration::idle)} +
           int{config::liesIn(row.word, &Configuration::walkAway)} +
           int{config::liesIn(row.word, &Configuration::walkUp)};
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void numbersNameDistinctWords()
    {
        config::Configuration probe{};
        std::set<const int16_t *> words;
        for (const config::NumberSetting &row : config::kNumbers) {
            QCOMPARE(recordsHolding(row), 1);
            QVERIFY2(words.insert(&row.word(probe)).second, row.control);
        }
        for (const config::ReservedGroup &group : config::kReservedGroups)
            for (int i = 0; i < group.count; ++i)
                QVERIFY2(words.insert(&group.words[i](probe)).second, group.name);
    }

    // A factory reset leaves values that the window's checks let stand.
    void factoryValuesWithinBounds()
    {
        for (const config::NumberSetting &row : config::kNumbers) {
            QVERIFY2(row.bounds.holds(config::factoryValue(row)), row.control);
            QVERIFY2(row.bounds.holds(config::resetValue(row)), row.control);
        }
        QCOMPARE(config::factoryValue(config::setting(config::Numeric::DetectionRange)), int16_t{36});
    }

    void modifiersCoverTheMask()
    {
        int mask = 0;
        for (std::size_t i = 0; i < config::kModifiers.size(); ++i) {
            QCOMPARE(config::kModifiers[i].bit, 1 << i);
            mask |= config::kModifiers[i].bit;
        }
        QCOMPARE(mask, 0xFF);
    }
};

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
