// The record layouts and the stored file's byte layout.
#include "kv3sim.h"
#include "records_c_check.h"

#include <QtTest>

#include <cstring>

namespace {

// A configuration whose 48 words are all different, some of them negative.
kv3sim::Configuration distinctWords()
{
    int16_t words[48];
    for (int i = 0; i < 48; ++i)
        words[i] = static_cast<int16_t>(i % 2 ? -(i * 257) : i * 3 + 1);
    kv3sim::Configuration config;
    std::memcpy(&config.sonar, words, 16);
    std::memcpy(&config.idle, words + 8, 16);
    std::memcpy(&config.walkAway, words + 16, 32);
    std::memcpy(&config.walkUp, words + 32, 32);
    return config;
}

bool sameWords(const kv3sim::Configuration &a, const kv3sim::Configuration &b)
{
    return kv3sim::encode(a) == kv3sim::encode(b);
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT

private slots:
    void cLayout_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("offset");
        const std::pair<const char *, int> rows[] = {
            {"SonarParms.LedFlags", 0},      {"SonarParms.MaxDist", 8},
            {"SonarParms.ORDBTm", 10},       {"SonarParms.IRDBTm", 12},
            {"SonarParms.StartDly", 14},     {"IdleParms.PressRate", 2},
            {"IdleParms.KeyMods", 4},        {"IdleParms.KeyCode", 6},
            {"WalkParms.KeyCount", 0},       {"WalkParms.InterKeyDelay", 2},
            {"WalkParms.KeyMods[5]", 14},    {"WalkParms.Reserved9", 18},
            {"WalkParms.KeyCode[0]", 20},    {"WalkParms.KeyCode[5]", 30},
            {"ObjRangeInfo.wCurrRange", 0},  {"ObjRangeInfo.bOutRangePend", 6},
            {"sizeof SonarParms", 16},       {"sizeof IdleParms", 16},
            {"sizeof WalkParms", 32},        {"sizeof ObjRangeInfo", 8},
        };
        for (const auto &[field, offset] : rows)
            QTest::newRow(field) << QString(field) << offset;
    }

    // The C compiler lays the records out as the wire format requires.
    void cLayout()
    {
        QFETCH(QString, field);
        QFETCH(int, offset);
        for (size_t i = 0; i < kv3CFieldOffsetCount; ++i) {
            if (field == kv3CFieldOffsets[i].name) {
                QCOMPARE(int(kv3CFieldOffsets[i].offset), offset);
                return;
            }
        }
        QFAIL("field missing from the C table");
    }

    void factoryDefaults()
    {
        const kv3sim::Configuration d = kv3sim::factoryDefaults();
        const auto bytes = kv3sim::encode(d);
        // Every byte zero except MaxDist 36, ORDBTm 5, IRDBTm 2 and the two
        // InterKeyDelay words of 1.
        std::array<uint8_t, kv3sim::kStoredSize> expected{};
        expected[8] = 36;
        expected[10] = 5;
        expected[12] = 2;
        expected[32 + 2] = 1;
        expected[64 + 2] = 1;
        QCOMPARE(bytes, expected);
    }

    // Little-endian words, records in the order sonar, idle, walk away, walk up.
    void encodeByteOrder()
    {
        kv3sim::Configuration config;
        config.sonar.Reserved1 = 0x1234;
        config.idle.KeyCode = -2;
        config.walkAway.KeyCode[5] = static_cast<int16_t>(0x8000);
        config.walkUp.KeyCount = 0x0105;
        const auto bytes = kv3sim::encode(config);
        QCOMPARE(bytes[2], uint8_t(0x34));
        QCOMPARE(bytes[3], uint8_t(0x12));
        QCOMPARE(bytes[16 + 6], uint8_t(0xFE));
        QCOMPARE(bytes[16 + 7], uint8_t(0xFF));
        QCOMPARE(bytes[32 + 30], uint8_t(0x00));
        QCOMPARE(bytes[32 + 31], uint8_t(0x80));
        QCOMPARE(bytes[64], uint8_t(0x05));
        QCOMPARE(bytes[65], uint8_t(0x01));
    }

    void decodeRoundTrip()
    {
        const kv3sim::Configuration config = distinctWords();
        const kv3sim::Configuration back = kv3sim::decode(kv3sim::encode(config));
        QVERIFY(sameWords(back, config));
        QCOMPARE(back.walkUp.KeyCode[5], config.walkUp.KeyCode[5]);
        QCOMPARE(back.sonar.Reserved1, config.sonar.Reserved1);
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
