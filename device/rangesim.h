// The person in front of the sensor and the sensor's in-range detection.
#pragma once

#include "kv3rapi.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace kv3sim::detail {

// Milliseconds since the sensor was reset. Follows real time until set;
// from then on it moves only when advanced.
class SimClock {
public:
    void restart();
    int64_t now() const;
    void set(int64_t ms) { frozen_ = ms; }
    void advance(int64_t ms) { frozen_ = now() + ms; }

private:
    std::chrono::steady_clock::time_point origin_ = std::chrono::steady_clock::now();
    std::optional<int64_t> frozen_;
};

// Distance in inches of a person who walks slowly to and fro between 20 and
// 60 inches, once every 80 seconds, starting close.
int walkingDistance(int64_t ms);

// The detector: samples the distance every 100 ms and moves between out of
// range and in range once the distance has stayed on the other side of
// MaxDist for the walk-up (IRDBTm) or walk-away (ORDBTm) delay.
class RangeDetector {
public:
    // Starts settled at time t: in range exactly when the distance is within MaxDist.
    void start(std::optional<int16_t> heldRange, int64_t t, const SonarParms &sonar);
    // From now on the person stands at this distance (or walks again, when
    // empty); the detector's state moves on from there as the delays say.
    void hold(std::optional<int16_t> heldRange) { heldRange_ = heldRange; }
    // Takes every sample up to time t, the last one at t itself.
    void follow(int64_t t, const SonarParms &sonar);
    ObjRangeInfo info() const;

private:
    int distanceAt(int64_t t) const;
    void sample(int64_t t, const SonarParms &sonar);

    std::optional<int16_t> heldRange_;
    int64_t last_ = 0;
    int distance_ = 0;
    bool inRange_ = false;
    std::optional<int64_t> pendingSince_;
};

} // namespace kv3sim::detail
