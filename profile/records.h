// The sensor's whole configuration as the profile code sees it: the four
// records the device library exchanges, declared once in configuration.h
// together with the factory configuration.
#pragma once

#include "configuration.h"

namespace profile {

using Records = kv3sim::Configuration;

} // namespace profile
