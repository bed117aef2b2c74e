// The exchange with the sensor: every call of the device library that the
// window and ostraval-ctl make passes through here, and nowhere else.
//
// The two programs talk to the sensor in different ways, on purpose:
// - The window keeps the order and the operation names of its calls fixed
//   (its users and their support know them from the status box). A failed
//   call is reported by its operation name right after the call, before the
//   next one, and the window goes on; each record is handed over right after
//   its Get call, so that its controls are filled (and their handlers run)
//   before the next record is fetched.
// - ostraval-ctl changes the stored configuration all or nothing: it stops
//   at the first failed call, names it by its library function and the
//   sensor's error number, and after a failed write or reset has the sensor
//   take its stored configuration back.
//
// Nothing here knows widgets or Qt; the window and the tool turn the names
// into their own messages.
#pragma once

#include "configuration.h"
#include "kv3rapi.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace exchange {

// GetLastLibErr: why the last call failed, 0 after a call that succeeded.
int32_t lastError();
// USBDisconnect: lets the sensor go.
void disconnect();

// ---- The window ----------------------------------------------------------

namespace window {

// Reports a failed call by its operation name, for example "USB GetSonarParms".
using FailureReport = std::function<void(const char *operation)>;

// Receives each record right after its Get call, failed or not (a failed
// call leaves the record as the library left it). A record without a
// receiver is fetched all the same.
struct RecordReceivers {
    std::function<void(const IdleParms &)> idle;
    std::function<void(const SonarParms &)> sonar;
    std::function<void(const ObjRangeInfo &)> range;
    std::function<void(const WalkParms &)> walkAway;
    std::function<void(const WalkParms &)> walkUp;
};

// USBConnect ("USB Connect"): the firmware version, or empty when no sensor
// could be reached.
std::optional<int32_t> connect(const FailureReport &report);
// ReadCfg ("ReadCfg"): the sensor takes its stored configuration. False when
// it failed.
bool loadStored(const FailureReport &report);

// Start-up reading: GetIdleParms "USB ReadIdleParms", GetSonarParms "USB
// ReadSonarParms", GetObjRangeInfo "USB Getrange", GetWalkAwayParms "USB
// ReadWalkAway", GetWalkUpParms "USB ReadWalkUp".
void read(const RecordReceivers &receive, const FailureReport &report);

// Change detection: GetIdleParms "USB GetIdleParms", GetSonarParms "USB
// GetSonarParms", GetWalkAwayParms "USB GetWalkAway", GetWalkUpParms "USB
// GetWalkUp". The range is a measurement, not configuration: it is not read.
void readForComparison(const RecordReceivers &receive, const FailureReport &report);

// "Read Now": GetObjRangeInfo "USB Getrange".
ObjRangeInfo readRange(const FailureReport &report);

// The records a window write sends. The sonar record's reserved words are
// not the window's: `sonarValues` writes the window's values over the record
// the sensor gives.
struct Records {
    IdleParms idle{};
    std::function<void(SonarParms &)> sonarValues;
    WalkParms walkAway{};
    WalkParms walkUp{};
};

// The window's write: SetIdleParms "USB SetIdleParms", GetSonarParms "USB
// getSonarParms" (its lower-case g as the window has always named it), then
// SetSonarParms "USB SetSonarParms" only when that fetch succeeded (zeros in
// place of the reserved words would overwrite what the sensor keeps there),
// SetWalkAwayParms "USB SetWalkAway", SetWalkUpParms "USB SetWalkUp", and the
// commit WriteCfg "USB WriteCfg". Every step is tried whatever failed
// before. True when every step succeeded.
bool write(const Records &records, const FailureReport &report);

// ResetFactoryDflts ("USB reset").
void resetFactory(const FailureReport &report);
// HaltKBSends ("USB Halt Keyboard"): stops the sensor's keystrokes, or lets
// them go on.
void haltKeystrokes(bool halt, const FailureReport &report);

} // namespace window

// ---- ostraval-ctl --------------------------------------------------------

namespace tool {

// A library call that failed, by its function name, with the sensor's error
// number read right after it.
struct CallFailure {
    const char *call = ""; // for example "SetSonarParms"
    int32_t error = 0;
};

// A failed write or reset, and the failed reload after it, if any.
struct StoreFailure {
    CallFailure failure;
    std::optional<CallFailure> reload;
};

// USBConnect: the firmware version into `version`.
std::optional<CallFailure> connect(int32_t &version);
// ReadCfg, then GetSonarParms, GetIdleParms, GetWalkAwayParms and
// GetWalkUpParms; `stored` changes only when every call succeeded.
std::optional<CallFailure> readStored(kv3sim::Configuration &stored);
// SetSonarParms, SetIdleParms, SetWalkAwayParms, SetWalkUpParms, WriteCfg,
// stopping at the first failure. After a failure nothing is committed and
// the sensor reloads its stored configuration (ReadCfg).
std::optional<StoreFailure> write(const kv3sim::Configuration &wanted);
// ResetFactoryDflts; after a failure the stored configuration is reloaded.
std::optional<StoreFailure> resetFactory();
// GetObjRangeInfo.
std::optional<CallFailure> readRange(ObjRangeInfo &info);

} // namespace tool

} // namespace exchange
