// The library takes its settings from the environment on first use, once.
// A process of its own: no kv3sim::reset() may come before.
#include "kv3rapi.h"
#include "kv3sim.h"

#include <QtTest>

#include <iostream>
#include <sstream>

class TestFirstUse : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    QByteArray logText() const
    {
        QFile file(dir_.filePath("calls.log"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void settingsReadOnceOnFirstCall()
    {
        qputenv("KV3RAPI_SIM_FIRMWARE", "0x0305");
        qputenv("KV3RAPI_SIM_STATE", dir_.filePath("state/sensor.bin").toLocal8Bit());
        qputenv("KV3RAPI_SIM_LOG", dir_.filePath("calls.log").toLocal8Bit());
        qputenv("KV3RAPI_SIM_RANGE", "near");

        std::ostringstream warnings;
        std::streambuf *const standardError = std::cerr.rdbuf(warnings.rdbuf());
        int32_t version = 0;
        const int16_t status = USBConnect(&version);
        std::cerr.rdbuf(standardError);

        QCOMPARE(status, int16_t(1));
        QCOMPARE(version, 0x0305);
        QCOMPARE(QString::fromStdString(warnings.str()),
                 "KV3RAPI: ignoring KV3RAPI_SIM_RANGE=\"near\": not a whole number from 0 to "
                 "32767\n");
        QCOMPARE(logText(), QByteArray("USBConnect status=1 err=0 version=0x0305\n"));

        QCOMPARE(WriteCfg(), int16_t(1));
        QVERIFY(QFile::exists(dir_.filePath("state/sensor.bin")));
        QCOMPARE(QFileInfo(dir_.filePath("state/sensor.bin")).size(), 96);

        qputenv("KV3RAPI_SIM_FIRMWARE", "0x0999");
        QCOMPARE(USBDisconnect(), int16_t(1));
        QCOMPARE(USBConnect(&version), int16_t(1));
        QCOMPARE(version, 0x0305);
        QCOMPARE(logText().count('\n'), 4);
    }
};

QTEST_GUILESS_MAIN(TestFirstUse)
#include "tst_firstuse.moc"
