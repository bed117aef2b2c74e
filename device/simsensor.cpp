/*
 * The simulated sensor behind the device library.
 *
 * The sensor holds a stored (non-volatile) configuration and a working one.
 * USBConnect loads the working configuration from storage, as the sensor does
 * at power-up; ReadCfg does the same on request; the Get and Set functions
 * copy whole records out of and into the working configuration, every word as
 * it stands; WriteCfg commits the working configuration to storage and
 * ResetFactoryDflts puts the factory defaults into both. Storage is the state
 * file (kv3sim::encode layout, replaced atomically) or, without one, memory.
 *
 * In front of the sensor a person walks slowly to and fro (or stands at the
 * held range); GetObjRangeInfo reports the distance and the detector's flags.
 *
 * Every call, in this order:
 *   1. fails with KV3_ERR_NOT_CONNECTED unless connected (USBConnect,
 *      GetLastLibErr and an idle USBDisconnect excepted);
 *   2. fails with KV3_ERR_NULL_POINTER for a null record or out-argument;
 *   3. USBConnect only: fails with KV3_ERR_NO_SENSOR when unplugged;
 *   4. fails as injected (KV3RAPI_SIM_FAIL). Only calls that get this far
 *      reach the sensor, and only those count towards an injected failure.
 * A failed call changes nothing and writes nothing into the caller's record.
 * GetLastLibErr never fails and leaves the last error as it is. Each call is
 * traced as one line: "Name status=S err=E", then " words=w0,w1,..." for the
 * record functions and HaltKBSends (omitted for a null pointer), and
 * " version=0x0110" for a successful USBConnect. For GetLastLibErr, status
 * and err are both the number it returned. The line is formatted only when
 * it goes somewhere: to the call log, or to the in-memory trace while a test
 * has switched it on.
 *
 * With a state file the sensor is one program's at a time, as a device on a
 * USB port is: USBConnect takes the lock on the file the state file's path
 * finally names (storefile.h) and fails with KV3_ERR_IN_USE while another
 * program holds it, or with KV3_ERR_LOCK when the lock cannot be taken at
 * all; USBDisconnect, a reset and the end of the process release it. A state
 * file that cannot be used is named on standard error at USBConnect, with
 * the reason.
 *
 * The settings come from the environment when the library is first used,
 * unless kv3sim::reset() came first. The state is guarded by one mutex.
 */
#include "kv3sim.h"
#include "libfunctions.h"
#include "rangesim.h"
#include "recordwords.h"
#include "shown.h"
#include "storefile.h"

#include <algorithm>
#include <cstdio>
#include <deque>
#include <fstream>
#include <iostream>
#include <mutex>
#include <span>

namespace kv3sim {
namespace {

using detail::Function;

struct InjectedFailure {
    Function function;
    int32_t error;
    std::optional<int> remaining; // calls still to fail; empty: every call
};

struct Sensor {
    Settings settings;
    Configuration memoryStore; // storage when there is no state file
    Configuration working;
    bool connected = false;
    bool halted = false;
    int32_t lastError = KV3_ERR_NONE;
    std::vector<InjectedFailure> failures;
    bool tracing = false;
    std::deque<std::string> trace; // the last kTraceLimit calls, while tracing
    std::ofstream log;
    detail::StoreLock lock; // held while connected to a sensor with a state file
    detail::SimClock clock;
    detail::RangeDetector range;
};

struct Library {
    std::mutex mutex;
    bool started = false;
    Sensor sensor;
};

Library &library()
{
    static Library instance;
    return instance;
}

// --- Storage --------------------------------------------------------------

detail::StoreReading readStore(const Sensor &s)
{
    if (s.settings.statePath.empty())
        return {detail::StoreState::Loaded, s.memoryStore, {}};
    return detail::readStoreFile(s.settings.statePath);
}

// The stored configuration as the sensor loads it at power-up. A state file
// that cannot be used is named, with the reason, so that error 5 on the
// next read or commit is no riddle.
detail::StoreReading powerUpReading(const Sensor &s)
{
    detail::StoreReading reading = readStore(s);
    if (reading.state == detail::StoreState::Refused)
        std::cerr << "KV3RAPI: the state file \"" << detail::shownText(s.settings.statePath)
                  << "\" is refused (error " << KV3_ERR_BAD_STORE << "): " << reading.refusal << '\n';
    return reading;
}

// Commits a configuration to storage; the error number, or 0.
int32_t writeStore(Sensor &s, const Configuration &config)
{
    if (s.settings.statePath.empty()) {
        s.memoryStore = config;
        return KV3_ERR_NONE;
    }
    if (readStore(s).state == detail::StoreState::Refused)
        return KV3_ERR_BAD_STORE;
    if (!detail::writeStoreFile(s.settings.statePath, config))
        return KV3_ERR_STORE_WRITE;
    return KV3_ERR_NONE;
}

// Takes the sensor for this program; the error number, or 0. Without its
// lock no program may have the sensor: a lock that cannot be taken for any
// reason (a directory in its place, a file that may not be opened, a loop of
// links) would let two programs commit over each other.
int32_t takeSensor(Sensor &s)
{
    if (s.settings.statePath.empty())
        return KV3_ERR_NONE; // in memory only, every process has a sensor of its own
    switch (s.lock.acquire(s.settings.statePath)) {
    case detail::StoreLock::Result::Held:
        return KV3_ERR_NONE;
    case detail::StoreLock::Result::InUse:
        return KV3_ERR_IN_USE;
    case detail::StoreLock::Result::Unavailable:
        break;
    }
    return KV3_ERR_LOCK;
}

// --- Settings -------------------------------------------------------------

std::vector<InjectedFailure> injectedFailures(const std::vector<Failure> &failures)
{
    std::vector<InjectedFailure> injected;
    for (const Failure &failure : failures) {
        if (const auto function = detail::functionNamed(failure.function))
            injected.push_back({*function, failure.error, failure.count});
        else
            std::cerr << "KV3RAPI: ignoring the failure of unknown function \"" << failure.function
                      << "\"\n";
    }
    return injected;
}

void openLog(Sensor &s)
{
    s.log = std::ofstream();
    if (s.settings.logPath.empty())
        return;
    s.log.open(s.settings.logPath, std::ios::app);
    if (!s.log)
        std::cerr << "KV3RAPI: ignoring KV3RAPI_SIM_LOG=\"" << detail::shownText(s.settings.logPath)
                  << "\": the file cannot be opened for appending\n";
}

void applySettings(Sensor &s, const Settings &settings)
{
    s.lock.release();
    s.settings = settings;
    s.memoryStore = factoryDefaults();
    s.working = readStore(s).config;
    s.connected = false;
    s.halted = false;
    s.lastError = KV3_ERR_NONE;
    s.failures = injectedFailures(settings.failures);
    s.tracing = false;
    s.trace.clear();
    openLog(s);
    s.clock.restart();
    s.range.start(settings.heldRange, s.clock.now(), s.working.sonar);
}

// The sensor, set up from the environment on first use.
Sensor &sensorInUse(Library &lib)
{
    if (!lib.started) {
        applySettings(lib.sensor, settingsFromEnvironment(std::cerr));
        lib.started = true;
    }
    return lib.sensor;
}

// --- One library call -----------------------------------------------------

std::string versionText(int32_t version)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(version));
    return text;
}

// A library call from start to finish: holds the lock, runs the checks every
// call passes, keeps the detector up to date and writes the trace line.
class Call {
public:
    explicit Call(Function function)
        : lock_(library().mutex), s_(sensorInUse(library())), function_(function)
    {
        followRange();
    }

    Sensor &sensor() { return s_; }

    // The checks before a request reaches the sensor; false when the call failed.
    bool admit()
    {
        if (!s_.connected)
            return fail(KV3_ERR_NOT_CONNECTED);
        return notInjected();
    }

    bool admit(const void *pointer)
    {
        if (!s_.connected)
            return fail(KV3_ERR_NOT_CONNECTED);
        if (pointer == nullptr)
            return fail(KV3_ERR_NULL_POINTER);
        return notInjected();
    }

    bool admitConnect(const void *version)
    {
        if (version == nullptr)
            return fail(KV3_ERR_NULL_POINTER);
        if (s_.settings.unplugged)
            return fail(KV3_ERR_NO_SENSOR);
        return notInjected();
    }

    bool fail(int32_t error)
    {
        status_ = 0;
        error_ = error;
        return false;
    }

    void words(std::span<const int16_t> words)
    {
        wordCount_ = std::min(words.size(), words_.size());
        std::copy_n(words.begin(), wordCount_, words_.begin());
        hasWords_ = true;
    }

    template <typename Record>
    void record(const Record *record)
    {
        if (record != nullptr)
            words(detail::wordsOf(*record));
    }

    void version(int32_t version) { version_ = version; }

    int16_t finish()
    {
        followRange();
        s_.lastError = error_;
        writeTraceLine(status_, error_);
        return static_cast<int16_t>(status_);
    }

    // GetLastLibErr: reports a number without changing the last error.
    int32_t finishReporting(int32_t number)
    {
        writeTraceLine(number, number);
        return number;
    }

private:
    bool notInjected()
    {
        for (InjectedFailure &failure : s_.failures) {
            if (failure.function != function_ || failure.remaining == 0)
                continue;
            if (failure.remaining)
                --*failure.remaining;
            return fail(failure.error);
        }
        return true;
    }

    void followRange() { s_.range.follow(s_.clock.now(), s_.working.sonar); }

    // Formats the line only when it goes somewhere.
    void writeTraceLine(int32_t status, int32_t error)
    {
        if (!s_.tracing && !s_.log.is_open())
            return;
        const std::string line = traceLine(status, error);
        if (s_.log.is_open())
            s_.log << line << std::endl;
        if (s_.tracing) {
            s_.trace.push_back(line);
            if (s_.trace.size() > kTraceLimit)
                s_.trace.pop_front();
        }
    }

    std::string traceLine(int32_t status, int32_t error) const
    {
        std::string line(detail::nameOf(function_));
        line += " status=" + std::to_string(status) + " err=" + std::to_string(error);
        if (hasWords_) {
            line += " words=";
            for (std::size_t i = 0; i < wordCount_; ++i)
                line += (i ? "," : "") + std::to_string(words_[i]);
        }
        if (version_)
            line += " version=" + versionText(*version_);
        return line;
    }

    std::lock_guard<std::mutex> lock_;
    Sensor &s_;
    Function function_;
    int32_t status_ = 1;
    int32_t error_ = KV3_ERR_NONE;
    // What the trace line shows besides status and error; a record has at
    // most 16 words.
    std::array<int16_t, 16> words_{};
    std::size_t wordCount_ = 0;
    bool hasWords_ = false;
    std::optional<int32_t> version_;
};

template <typename Record>
int16_t getRecord(Function function, Record *out, Record Configuration::*member)
{
    Call call(function);
    if (call.admit(out))
        *out = call.sensor().working.*member;
    call.record(out);
    return call.finish();
}

template <typename Record>
int16_t setRecord(Function function, const Record *in, Record Configuration::*member)
{
    Call call(function);
    if (call.admit(in))
        call.sensor().working.*member = *in;
    call.record(in);
    return call.finish();
}

// Puts a configuration into storage and, once it is there, into the working one.
int16_t commit(Function function, bool factory)
{
    Call call(function);
    if (call.admit()) {
        Sensor &s = call.sensor();
        const Configuration config = factory ? factoryDefaults() : s.working;
        if (const int32_t error = writeStore(s, config))
            call.fail(error);
        else
            s.working = config;
    }
    return call.finish();
}

// Runs f on the sensor under the lock, for the control interface.
template <typename F>
auto withSensor(F f)
{
    Library &lib = library();
    std::lock_guard<std::mutex> lock(lib.mutex);
    return f(sensorInUse(lib));
}

} // namespace

// --- Control interface ----------------------------------------------------

void reset(const Settings &settings)
{
    Library &lib = library();
    std::lock_guard<std::mutex> lock(lib.mutex);
    applySettings(lib.sensor, settings);
    lib.started = true;
}

void setStored(const Configuration &config)
{
    withSensor([&](Sensor &s) {
        if (s.settings.statePath.empty())
            s.memoryStore = config;
        else if (!detail::writeStoreFile(s.settings.statePath, config))
            std::cerr << "KV3RAPI: cannot write the stored configuration to \""
                      << s.settings.statePath << "\"\n";
    });
}

Configuration stored()
{
    return withSensor([](Sensor &s) { return readStore(s).config; });
}

Configuration working()
{
    return withSensor([](Sensor &s) { return s.working; });
}

bool connected()
{
    return withSensor([](Sensor &s) { return s.connected; });
}

bool keystrokesHalted()
{
    return withSensor([](Sensor &s) { return s.halted; });
}

void setTraceEnabled(bool on)
{
    withSensor([&](Sensor &s) {
        s.tracing = on;
        if (!on)
            s.trace.clear();
    });
}

std::vector<std::string> trace()
{
    return withSensor([](Sensor &s) { return std::vector<std::string>(s.trace.begin(), s.trace.end()); });
}

void clearTrace()
{
    withSensor([](Sensor &s) { s.trace.clear(); });
}

void setClock(int64_t ms)
{
    withSensor([&](Sensor &s) { s.clock.set(ms); });
}

void advanceClock(int64_t ms)
{
    withSensor([&](Sensor &s) { s.clock.advance(ms); });
}

void injectFailure(const Failure &failure)
{
    withSensor([&](Sensor &s) {
        for (const InjectedFailure &injected : injectedFailures({failure}))
            s.failures.push_back(injected);
    });
}

void setHeldRange(std::optional<int16_t> range)
{
    withSensor([&](Sensor &s) {
        s.range.follow(s.clock.now(), s.working.sonar);
        s.range.hold(range);
    });
}

} // namespace kv3sim

// --- The device library ---------------------------------------------------

using kv3sim::Configuration;
using kv3sim::detail::Function;

extern "C" {

int16_t USBConnect(int32_t *version)
{
    kv3sim::Call call(Function::USBConnect);
    if (call.admitConnect(version)) {
        kv3sim::Sensor &s = call.sensor();
        const int32_t refused = s.connected ? KV3_ERR_NONE : kv3sim::takeSensor(s);
        if (refused != KV3_ERR_NONE) {
            call.fail(refused);
        } else {
            if (!s.connected) {
                s.working = kv3sim::powerUpReading(s).config; // a refused store gives defaults
                s.connected = true;
            }
            *version = s.settings.firmware;
            call.version(*version);
        }
    }
    return call.finish();
}

int16_t USBDisconnect(void)
{
    kv3sim::Call call(Function::USBDisconnect);
    if (call.sensor().connected && call.admit()) {
        call.sensor().connected = false;
        call.sensor().lock.release();
    }
    return call.finish();
}

int32_t GetLastLibErr(void)
{
    kv3sim::Call call(Function::GetLastLibErr);
    return call.finishReporting(call.sensor().lastError);
}

int16_t ReadCfg(void)
{
    kv3sim::Call call(Function::ReadCfg);
    if (call.admit()) {
        const auto reading = kv3sim::readStore(call.sensor());
        if (reading.state == kv3sim::detail::StoreState::Refused)
            call.fail(KV3_ERR_BAD_STORE);
        else
            call.sensor().working = reading.config;
    }
    return call.finish();
}

int16_t WriteCfg(void)
{
    return kv3sim::commit(Function::WriteCfg, false);
}

int16_t ResetFactoryDflts(void)
{
    return kv3sim::commit(Function::ResetFactoryDflts, true);
}

int16_t GetSonarParms(SonarParms *parms)
{
    return kv3sim::getRecord(Function::GetSonarParms, parms, &Configuration::sonar);
}

int16_t SetSonarParms(SonarParms *parms)
{
    return kv3sim::setRecord<SonarParms>(Function::SetSonarParms, parms, &Configuration::sonar);
}

int16_t GetIdleParms(IdleParms *parms)
{
    return kv3sim::getRecord(Function::GetIdleParms, parms, &Configuration::idle);
}

int16_t SetIdleParms(IdleParms *parms)
{
    return kv3sim::setRecord<IdleParms>(Function::SetIdleParms, parms, &Configuration::idle);
}

int16_t GetWalkAwayParms(WalkAwayParms *parms)
{
    return kv3sim::getRecord(Function::GetWalkAwayParms, parms, &Configuration::walkAway);
}

int16_t SetWalkAwayParms(WalkAwayParms *parms)
{
    return kv3sim::setRecord<WalkParms>(Function::SetWalkAwayParms, parms,
                                        &Configuration::walkAway);
}

int16_t GetWalkUpParms(WalkUpParms *parms)
{
    return kv3sim::getRecord(Function::GetWalkUpParms, parms, &Configuration::walkUp);
}

int16_t SetWalkUpParms(WalkUpParms *parms)
{
    return kv3sim::setRecord<WalkParms>(Function::SetWalkUpParms, parms, &Configuration::walkUp);
}

int16_t GetObjRangeInfo(ObjRangeInfo *info)
{
    kv3sim::Call call(Function::GetObjRangeInfo);
    if (call.admit(info))
        *info = call.sensor().range.info();
    call.record(info);
    return call.finish();
}

int16_t HaltKBSends(int16_t halt)
{
    kv3sim::Call call(Function::HaltKBSends);
    if (call.admit())
        call.sensor().halted = halt != 0;
    call.words(std::span<const int16_t>(&halt, 1));
    return call.finish();
}

} // extern "C"
