// The sensor's whole configuration: its four records in the order of the 96
// stored bytes, and the factory configuration that ResetFactoryDflts stores.
// The device library, the profile code, the window's code and the tests all
// use this one declaration. It stands in the namespace of the simulated
// sensor's control interface, whose exported functions take it: the
// library's published symbols name it as kv3sim::Configuration.
#pragma once

#include "kv3rapi.h"

#include <cstddef>
#include <cstring>

namespace kv3sim {

struct Configuration {
    SonarParms sonar{};
    IdleParms idle{};
    WalkParms walkAway{};
    WalkParms walkUp{};
};

// Bytes of the stored configuration.
inline constexpr std::size_t kStoredSize = 96;
static_assert(sizeof(Configuration) == kStoredSize, "the records are the stored bytes, without padding");
static_assert(sizeof(SonarParms) + sizeof(IdleParms) + 2 * sizeof(WalkParms) == kStoredSize);

// Equal when every stored word is equal.
inline bool operator==(const Configuration &a, const Configuration &b)
{
    return std::memcmp(&a, &b, sizeof(Configuration)) == 0;
}

// The factory configuration. Words not set here are 0; both keystroke
// sequences are empty, one second between keystrokes.
constexpr Configuration factoryConfiguration()
{
    Configuration factory{};
    factory.sonar.MaxDist = 36;
    factory.sonar.ORDBTm = 5;
    factory.sonar.IRDBTm = 2;
    factory.walkAway.InterKeyDelay = 1;
    factory.walkUp.InterKeyDelay = 1;
    return factory;
}

} // namespace kv3sim
