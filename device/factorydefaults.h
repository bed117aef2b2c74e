// The sensor's factory configuration: what ResetFactoryDflts stores. The
// simulated sensor resets to it; ostraval-ctl compares with it, so that a
// reset that would change nothing sends nothing. Words not set here are 0.
#pragma once

#include "kv3rapi.h"

namespace kv3factory {

constexpr SonarParms sonar()
{
    SonarParms sonar{};
    sonar.MaxDist = 36;
    sonar.ORDBTm = 5;
    sonar.IRDBTm = 2;
    return sonar;
}

constexpr IdleParms idle()
{
    return IdleParms{};
}

// Both keystroke sequences: empty, one second between keystrokes.
constexpr WalkParms walk()
{
    WalkParms walk{};
    walk.InterKeyDelay = 1;
    return walk;
}

} // namespace kv3factory
