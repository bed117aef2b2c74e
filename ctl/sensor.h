// The tool's connection to the sensor: whole-configuration reads, and writes
// that either commit everything or leave the stored configuration as it was,
// made through the exchange with the sensor; their failures as the tool's
// messages name them.
#pragma once

#include "catalogues.h"
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
i18n::Message errorMeaning(int32_t error);
// "SetSonarParms failed: sensor error 2 (the sensor did not answer)"
i18n::Message failureText(const SensorFailure &failure);

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

    // The calls and their all-or-nothing order are the exchange's
    // (config/exchange.h, ostraval-ctl's part).
    std::optional<SensorFailure> readStored(Records &records);
    std::optional<WriteFailure> write(const Records &records);
    std::optional<WriteFailure> resetFactory();
    std::optional<SensorFailure> range(ObjRangeInfo &info);

private:

    bool connected_ = false;
    int32_t firmware_ = 0;
};

} // namespace ctl
