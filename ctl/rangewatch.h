// The range read-out, once or redrawn every second until interrupted.
#pragma once

#include "sensor.h"

#include <QJsonObject>
#include <QString>

#include <optional>

namespace ctl {

struct RangeOptions {
    bool watch = false;
    bool json = false;
    std::optional<int> count; // readings before a watch stops by itself
    int detectionRange = 36;  // what the bar is drawn against
};

// One reading for people, and as JSON.
QString plainLine(const ObjRangeInfo &info);
QJsonObject rangeJson(const ObjRangeInfo &info);

// The exit status.
int showRange(Sensor &sensor, const RangeOptions &options);

} // namespace ctl
