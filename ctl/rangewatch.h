// The range read-out, once or redrawn every second until interrupted.
#pragma once

#include "configuration.h"
#include "sensor.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace ctl {

struct RangeOptions {
    bool watch = false;
    bool json = false;
    std::optional<int> count; // readings before a watch stops by itself
    // What the bar is drawn against: the sensor's, or else the factory value.
    int detectionRange = kv3sim::factoryConfiguration().sonar.MaxDist;
};

// One reading for people, and as JSON.
QString plainLine(const ObjRangeInfo &info);
QJsonObject rangeJson(const ObjRangeInfo &info);

// The exit status.
int showRange(Sensor &sensor, const RangeOptions &options);

} // namespace ctl
