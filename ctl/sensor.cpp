#include "sensor.h"

#include "exchange.h"

#include <array>

namespace ctl {

namespace {

struct ErrorMeaning {
    int32_t error;
    const char *meaning;
};

constexpr std::array<ErrorMeaning, 9> kErrorMeanings = {{
    {KV3_ERR_NONE, "no error number"},
    {KV3_ERR_NOT_CONNECTED, "the sensor is not connected"},
    {KV3_ERR_IO, "the sensor did not answer"},
    {KV3_ERR_NO_SENSOR, "no sensor is attached"},
    {KV3_ERR_NULL_POINTER, "a record was missing"},
    {KV3_ERR_BAD_STORE, "the stored configuration is unreadable"},
    {KV3_ERR_STORE_WRITE, "the stored configuration could not be written"},
    {KV3_ERR_IN_USE, "the sensor is in use by another program"},
    {KV3_ERR_LOCK, "the sensor's lock cannot be taken"},
}};

SensorFailure failureOf(const exchange::tool::CallFailure &failure)
{
    return SensorFailure{QString::fromLatin1(failure.call), failure.error};
}

std::optional<SensorFailure> failureOf(const std::optional<exchange::tool::CallFailure> &failure)
{
    if (!failure)
        return std::nullopt;
    return failureOf(*failure);
}

std::optional<WriteFailure> failureOf(const std::optional<exchange::tool::StoreFailure> &failure)
{
    if (!failure)
        return std::nullopt;
    return WriteFailure{failureOf(failure->failure), failureOf(failure->reload)};
}

} // namespace

QString errorMeaning(int32_t error)
{
    for (const ErrorMeaning &entry : kErrorMeanings)
        if (entry.error == error)
            return QString::fromLatin1(entry.meaning);
    return QStringLiteral("an error this program does not know");
}

QString failureText(const SensorFailure &failure)
{
    return QStringLiteral("%1 failed: sensor error %2 (%3)")
        .arg(failure.call)
        .arg(failure.error)
        .arg(errorMeaning(failure.error));
}

Sensor::~Sensor()
{
    if (connected_)
        exchange::disconnect();
}

std::optional<SensorFailure> Sensor::connect()
{
    int32_t version = 0;
    if (auto failure = exchange::tool::connect(version))
        return failureOf(*failure);
    connected_ = true;
    firmware_ = version;
    return std::nullopt;
}

std::optional<SensorFailure> Sensor::readStored(Records &records)
{
    return failureOf(exchange::tool::readStored(records));
}

std::optional<WriteFailure> Sensor::write(const Records &records)
{
    return failureOf(exchange::tool::write(records));
}

std::optional<WriteFailure> Sensor::resetFactory()
{
    return failureOf(exchange::tool::resetFactory());
}

std::optional<SensorFailure> Sensor::range(ObjRangeInfo &info)
{
    return failureOf(exchange::tool::readRange(info));
}

} // namespace ctl
