// The tool's connection to the sensor: whole-configuration reads, and writes
// that either commit everything or leave the stored configuration as it was.
#pragma once

#include "records.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace ctl {

using profile::Records;

// A library call that failed, with the sensor's error number.
struct SensorFailure {
    QString call; // the library function, for example "SetSonarParms"
    int32_t error = 0;
};

// What the sensor's error number means, for messages.
QString errorMeaning(int32_t error);
// "SetSonarParms failed: sensor error 2 (the sensor did not answer)"
QString failureText(const SensorFailure &failure);

// A failed write or reset: the call that failed and, when reloading the
// stored configuration afterwards failed too, that call.
struct WriteFailure {
    SensorFailure failure;
    std::optional<SensorFailure> reload;
};

class Sensor {
public:
    Sensor() = default;
    Sensor(const Sensor &) = delete;
    Sensor &operator=(const Sensor &) = delete;
    ~Sensor();

    std::optional<SensorFailure> connect();
    int32_t firmware() const { return firmware_; }

    // ReadCfg, then the four Get calls: the stored configuration.
    std::optional<SensorFailure> readStored(Records &records);
    // The four Set calls with whole records, then WriteCfg. On any failure
    // nothing is committed and the stored configuration is reloaded (ReadCfg).
    std::optional<WriteFailure> write(const Records &records);
    // ResetFactoryDflts; on failure the stored configuration is reloaded.
    std::optional<WriteFailure> resetFactory();
    std::optional<SensorFailure> range(ObjRangeInfo &info);

private:
    WriteFailure failedWrite(const SensorFailure &failure);

    bool connected_ = false;
    int32_t firmware_ = 0;
};

} // namespace ctl
