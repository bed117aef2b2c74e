// Control interface of the simulated sensor behind the device library.
//
// The simulated sensor normally takes its settings from the environment, once,
// when the library is first used (see README, "The simulated sensor"). Tests
// use this interface instead, so that they never depend on each other or on
// the environment: reset() gives a fresh sensor with the settings given.
#pragma once

#include "configuration.h"
#include "kv3rapi.h"

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kv3sim {

// One injected failure: the named library function returns 0 and sets
// `error` for its next `count` calls (every call when count is empty).
struct Failure {
    std::string function;
    int32_t error = KV3_ERR_IO;
    std::optional<int> count;
};

struct Settings {
    std::string statePath;            // stored configuration file; empty keeps it in memory only
    bool unplugged = false;           // no sensor attached: USBConnect fails
    std::vector<Failure> failures;
    int32_t firmware = 0x0110;        // version USBConnect reports
    std::optional<int16_t> heldRange; // hold the measured distance here
    std::string logPath;              // call log appended to; empty: none
};

// The factory configuration, factoryConfiguration() (configuration.h).
Configuration factoryDefaults();

// The stored file's bytes for a configuration, and back.
std::array<uint8_t, kStoredSize> encode(const Configuration &config);
Configuration decode(const std::array<uint8_t, kStoredSize> &bytes);

// The settings that the environment gives. Each malformed setting is named in
// one line on `warnings` and its default is used.
Settings settingsFromEnvironment(std::ostream &warnings);

// Parses a KV3RAPI_SIM_FAIL value ("Name[:errno[:count]],..."). On a
// malformed value returns false and says why.
bool parseFailures(const std::string &text, std::vector<Failure> &out, std::string &why);

// A fresh sensor with these settings: disconnected (the sensor released),
// last error 0, trace switched off and empty, not halted. The stored
// configuration comes from settings.statePath (factory defaults when empty or
// missing). The environment is no longer read.
void reset(const Settings &settings = Settings{});

// Replaces the stored configuration (and the state file, when there is one)
// as if it had been committed earlier. The working configuration follows it
// on the next USBConnect or ReadCfg.
void setStored(const Configuration &config);
Configuration stored();
Configuration working();

bool connected();
bool keystrokesHalted();

// The in-memory trace of library calls, for tests. It is kept only while
// switched on (reset() switches it off; switching it off empties it) and
// holds the last kTraceLimit calls.
constexpr std::size_t kTraceLimit = 10000;
void setTraceEnabled(bool on);

// The calls traced since reset() or clearTrace(), one line each, in the same
// form as the call log.
std::vector<std::string> trace();
void clearTrace();

// The sensor's clock, in milliseconds since reset(). It follows real time
// until setClock() is called; from then on it stands still except when
// advanceClock() moves it on, so that range tests never sleep. The range
// detector never goes back in time: an earlier reading only waits.
void setClock(int64_t ms);
void advanceClock(int64_t ms);

// Adds a failure to the running sensor: the named function fails from its
// next call on, as a failure given in the settings would.
void injectFailure(const Failure &failure);

// Moves the person in front of the running sensor to this distance (empty:
// walking to and fro again).
void setHeldRange(std::optional<int16_t> range);

} // namespace kv3sim
