#include "output.h"

#include <QJsonDocument>

#include <cstdio>

namespace ctl {

void printOutRaw(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void printOut(const QString &line)
{
    printOutRaw((line + QLatin1Char('\n')).toUtf8());
}

void printJson(const QJsonObject &object)
{
    printOutRaw(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}

void complain(const QString &message)
{
    const QByteArray line = (QStringLiteral("ostraval-ctl: ") + message + QLatin1Char('\n')).toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
}

void complainEach(const QString &prefix, const QStringList &messages)
{
    for (const QString &message : messages)
        complain(prefix + message);
}

} // namespace ctl
