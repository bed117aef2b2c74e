#include "sensor.h"

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

// The result of one call: nothing when it succeeded.
std::optional<SensorFailure> check(int16_t status, const char *call)
{
    if (status != 0)
        return std::nullopt;
    return SensorFailure{QString::fromLatin1(call), GetLastLibErr()};
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
        USBDisconnect();
}

std::optional<SensorFailure> Sensor::connect()
{
    int32_t version = 0;
    if (auto failure = check(USBConnect(&version), "USBConnect"))
        return failure;
    connected_ = true;
    firmware_ = version;
    return std::nullopt;
}

std::optional<SensorFailure> Sensor::readStored(Records &records)
{
    Records read;
    std::optional<SensorFailure> failure = check(ReadCfg(), "ReadCfg");
    if (!failure)
        failure = check(GetSonarParms(&read.sonar), "GetSonarParms");
    if (!failure)
        failure = check(GetIdleParms(&read.idle), "GetIdleParms");
    if (!failure)
        failure = check(GetWalkAwayParms(&read.walkAway), "GetWalkAwayParms");
    if (!failure)
        failure = check(GetWalkUpParms(&read.walkUp), "GetWalkUpParms");
    if (!failure)
        records = read;
    return failure;
}

std::optional<WriteFailure> Sensor::write(const Records &records)
{
    // The library takes the records by address; send copies so that the
    // caller's stay as they are.
    Records sent = records;
    std::optional<SensorFailure> failure = check(SetSonarParms(&sent.sonar), "SetSonarParms");
    if (!failure)
        failure = check(SetIdleParms(&sent.idle), "SetIdleParms");
    if (!failure)
        failure = check(SetWalkAwayParms(&sent.walkAway), "SetWalkAwayParms");
    if (!failure)
        failure = check(SetWalkUpParms(&sent.walkUp), "SetWalkUpParms");
    if (!failure)
        failure = check(WriteCfg(), "WriteCfg");
    if (failure)
        return failedWrite(*failure);
    return std::nullopt;
}

std::optional<WriteFailure> Sensor::resetFactory()
{
    if (auto failure = check(ResetFactoryDflts(), "ResetFactoryDflts"))
        return failedWrite(*failure);
    return std::nullopt;
}

// The values sent so far never reach storage: the sensor takes its stored
// configuration back, so that it works with what it keeps.
WriteFailure Sensor::failedWrite(const SensorFailure &failure)
{
    return WriteFailure{failure, check(ReadCfg(), "ReadCfg")};
}

std::optional<SensorFailure> Sensor::range(ObjRangeInfo &info)
{
    return check(GetObjRangeInfo(&info), "GetObjRangeInfo");
}

} // namespace ctl
