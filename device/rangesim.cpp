#include "rangesim.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kv3sim::detail {
namespace {

constexpr int64_t kSamplePeriodMs = 100;
constexpr int64_t kWalkPeriodMs = 80'000;
// After a long pause only the last day is sampled; the sensor would have
// settled long before.
constexpr int64_t kLongestCatchUpMs = 24LL * 60 * 60 * 1000;

int64_t delayMs(int16_t seconds)
{
    return std::max<int64_t>(0, seconds) * 1000;
}

} // namespace

void SimClock::restart()
{
    origin_ = std::chrono::steady_clock::now();
    frozen_.reset();
}

int64_t SimClock::now() const
{
    if (frozen_)
        return *frozen_;
    const auto elapsed = std::chrono::steady_clock::now() - origin_;
    return std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count();
}

int walkingDistance(int64_t ms)
{
    const double phase = 2 * std::numbers::pi * static_cast<double>(ms % kWalkPeriodMs) /
                         static_cast<double>(kWalkPeriodMs);
    return static_cast<int>(std::lround(40.0 - 20.0 * std::cos(phase)));
}

void RangeDetector::start(std::optional<int16_t> heldRange, int64_t t, const SonarParms &sonar)
{
    heldRange_ = heldRange;
    last_ = t;
    distance_ = distanceAt(t);
    inRange_ = distance_ <= sonar.MaxDist;
    pendingSince_.reset();
}

void RangeDetector::follow(int64_t t, const SonarParms &sonar)
{
    t = std::max(t, last_);
    const int64_t from = std::max(last_, t - kLongestCatchUpMs);
    for (int64_t s = (from / kSamplePeriodMs + 1) * kSamplePeriodMs; s < t; s += kSamplePeriodMs)
        sample(s, sonar);
    sample(t, sonar);
    last_ = t;
}

ObjRangeInfo RangeDetector::info() const
{
    const bool pending = pendingSince_.has_value();
    return ObjRangeInfo{static_cast<int16_t>(distance_), static_cast<int16_t>(inRange_),
                        static_cast<int16_t>(!inRange_ && pending),
                        static_cast<int16_t>(inRange_ && pending)};
}

int RangeDetector::distanceAt(int64_t t) const
{
    return heldRange_ ? *heldRange_ : walkingDistance(t);
}

void RangeDetector::sample(int64_t t, const SonarParms &sonar)
{
    distance_ = distanceAt(t);
    const bool seenInRange = distance_ <= sonar.MaxDist;
    if (seenInRange == inRange_) {
        pendingSince_.reset();
        return;
    }
    if (!pendingSince_)
        pendingSince_ = t;
    if (t - *pendingSince_ >= delayMs(seenInRange ? sonar.IRDBTm : sonar.ORDBTm)) {
        inRange_ = seenInRange;
        pendingSince_.reset();
    }
}

} // namespace kv3sim::detail
