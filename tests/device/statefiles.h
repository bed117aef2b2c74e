// What the device tests share about the simulated sensor's state file.
#pragma once

#include "kv3sim.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtTest>

namespace statefiles {

// Library statuses as the tests compare them.
inline constexpr int16_t kOk = 1;
inline constexpr int16_t kFailed = 0;

// The configuration's stored bytes: compares every word, reserved ones included.
inline QByteArray bytesOf(const kv3sim::Configuration &config)
{
    const auto bytes = kv3sim::encode(config);
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), int(bytes.size()));
}

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Settings of a sensor whose stored configuration is the file at `path`.
inline kv3sim::Settings stateIn(const QString &path)
{
    kv3sim::Settings settings;
    settings.statePath = path.toStdString();
    return settings;
}

} // namespace statefiles
