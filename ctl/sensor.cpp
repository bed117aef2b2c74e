#include "sensor.h"

#include "exchange.h"
#include "output.h"

#include <array>

namespace ctl {

namespace {

struct ErrorMeaning {
    int32_t error;
    const char *meaning;
};

constexpr std::array<ErrorMeaning, 9> kErrorMeanings = {{
    {KV3_ERR_NONE, QT_TRANSLATE_NOOP("ostraval-ctl", "no error number")},
    {KV3_ERR_NOT_CONNECTED, QT_TRANSLATE_NOOP("ostraval-ctl", "the sensor is not connected")},
    {KV3_ERR_IO, QT_TRANSLATE_NOOP("ostraval-ctl", "the sensor did not answer")},
    {KV3_ERR_NO_SENSOR, QT_TRANSLATE_NOOP("ostraval-ctl", "no sensor is attached")},
    {KV3_ERR_NULL_POINTER, QT_TRANSLATE_NOOP("ostraval-ctl", "a record was missing")},
    {KV3_ERR_BAD_STORE, QT_TRANSLATE_NOOP("ostraval-ctl", "the stored configuration is unreadable")},
    {KV3_ERR_STORE_WRITE, QT_TRANSLATE_NOOP("ostraval-ctl", "the stored configuration could not be written")},
    {KV3_ERR_IN_USE, QT_TRANSLATE_NOOP("ostraval-ctl", "the sensor is in use by another program")},
    {KV3_ERR_LOCK, QT_TRANSLATE_NOOP("ostraval-ctl", "the sensor's lock cannot be taken")},
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

i18n::Message errorMeaning(int32_t error)
{
    for (const ErrorMeaning &entry : kErrorMeanings)
        if (entry.error == error)
            return message(entry.meaning);
    return message(QT_TRANSLATE_NOOP("ostraval-ctl", "an error this program does not know"));
}

i18n::Message failureText(const SensorFailure &failure)
{
    //: %1 is the library function ("SetSonarParms"), %2 the sensor's error number, %3 its meaning
    return message(QT_TRANSLATE_NOOP("ostraval-ctl", "%1 failed: sensor error %2 (%3)"))
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
