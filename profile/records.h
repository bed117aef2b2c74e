// The sensor's whole configuration as the four records the device library
// exchanges, in the order of the sensor's 96 stored bytes.
#pragma once

#include "factorydefaults.h"
#include "kv3rapi.h"

#include <cstring>

namespace profile {

struct Records {
    SonarParms sonar{};
    IdleParms idle{};
    WalkParms walkAway{};
    WalkParms walkUp{};
};

static_assert(sizeof(Records) == 96, "the records are the 96 stored bytes, without padding");

// Equal when every stored word is equal.
inline bool operator==(const Records &a, const Records &b)
{
    return std::memcmp(&a, &b, sizeof(Records)) == 0;
}

// The configuration that ResetFactoryDflts stores.
inline Records factoryRecords()
{
    return Records{kv3factory::sonar(), kv3factory::idle(), kv3factory::walk(), kv3factory::walk()};
}

} // namespace profile
