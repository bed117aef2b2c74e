#include "exchange.h"

#include <initializer_list>

namespace exchange {

int32_t lastError()
{
    return GetLastLibErr();
}

void disconnect()
{
    USBDisconnect();
}

// ---- The window ----------------------------------------------------------

namespace window {

namespace {

// The window's way: true when the call succeeded; otherwise reports it by
// its operation name.
bool succeeded(int16_t status, const char *operation, const FailureReport &report)
{
    if (status != 0)
        return true;
    if (report)
        report(operation);
    return false;
}

// One Get call of the window's readings, the record handed over after it.
template <typename Record>
void fetch(int16_t (*get)(Record *), const char *operation,
           const std::function<void(const Record &)> &receive, const FailureReport &report)
{
    Record record{};
    succeeded(get(&record), operation, report);
    if (receive)
        receive(record);
}

} // namespace

std::optional<int32_t> connect(const FailureReport &report)
{
    int32_t version = 0;
    if (!succeeded(USBConnect(&version), "USB Connect", report))
        return std::nullopt;
    return version;
}

bool loadStored(const FailureReport &report)
{
    return succeeded(ReadCfg(), "ReadCfg", report);
}

void read(const RecordReceivers &receive, const FailureReport &report)
{
    fetch(GetIdleParms, "USB ReadIdleParms", receive.idle, report);
    fetch(GetSonarParms, "USB ReadSonarParms", receive.sonar, report);
    fetch(GetObjRangeInfo, "USB Getrange", receive.range, report);
    fetch(GetWalkAwayParms, "USB ReadWalkAway", receive.walkAway, report);
    fetch(GetWalkUpParms, "USB ReadWalkUp", receive.walkUp, report);
}

void readForComparison(const RecordReceivers &receive, const FailureReport &report)
{
    fetch(GetIdleParms, "USB GetIdleParms", receive.idle, report);
    fetch(GetSonarParms, "USB GetSonarParms", receive.sonar, report);
    fetch(GetWalkAwayParms, "USB GetWalkAway", receive.walkAway, report);
    fetch(GetWalkUpParms, "USB GetWalkUp", receive.walkUp, report);
}

ObjRangeInfo readRange(const FailureReport &report)
{
    ObjRangeInfo range{};
    succeeded(GetObjRangeInfo(&range), "USB Getrange", report);
    return range;
}

bool write(const Records &records, const FailureReport &report)
{
    // The library takes the records by address; it is given copies.
    IdleParms idle = records.idle;
    bool allSent = succeeded(SetIdleParms(&idle), "USB SetIdleParms", report);

    SonarParms sonar{};
    if (succeeded(GetSonarParms(&sonar), "USB getSonarParms", report)) {
        records.sonarValues(sonar);
        allSent = succeeded(SetSonarParms(&sonar), "USB SetSonarParms", report) && allSent;
    } else {
        allSent = false;
    }

    WalkParms away = records.walkAway;
    allSent = succeeded(SetWalkAwayParms(&away), "USB SetWalkAway", report) && allSent;
    WalkParms up = records.walkUp;
    allSent = succeeded(SetWalkUpParms(&up), "USB SetWalkUp", report) && allSent;

    // A failed commit is lost at the sensor's next power-up.
    const bool committed = succeeded(WriteCfg(), "USB WriteCfg", report);
    return allSent && committed;
}

void resetFactory(const FailureReport &report)
{
    succeeded(ResetFactoryDflts(), "USB reset", report);
}

void haltKeystrokes(bool halt, const FailureReport &report)
{
    succeeded(HaltKBSends(halt ? -1 : 0), "USB Halt Keyboard", report);
}

} // namespace window

// ---- ostraval-ctl --------------------------------------------------------

namespace tool {

namespace {

// The tool's way: nothing when the call succeeded.
std::optional<CallFailure> check(int16_t status, const char *call)
{
    if (status != 0)
        return std::nullopt;
    return CallFailure{call, GetLastLibErr()};
}

// One call of a sequence: the library function's name, and the call.
struct Step {
    const char *call;
    std::function<int16_t()> make;
};

// Makes the calls in order up to the first that fails.
std::optional<CallFailure> untilFailure(std::initializer_list<Step> steps)
{
    for (const Step &step : steps)
        if (std::optional<CallFailure> failure = check(step.make(), step.call))
            return failure;
    return std::nullopt;
}

// The values sent so far never reach storage: the sensor takes its stored
// configuration back, so that it works with what it keeps.
StoreFailure reloadAfter(const CallFailure &failure)
{
    return StoreFailure{failure, check(ReadCfg(), "ReadCfg")};
}

} // namespace

std::optional<CallFailure> connect(int32_t &version)
{
    int32_t reported = 0;
    if (auto failure = check(USBConnect(&reported), "USBConnect"))
        return failure;
    version = reported;
    return std::nullopt;
}

std::optional<CallFailure> readStored(kv3sim::Configuration &stored)
{
    kv3sim::Configuration read{};
    const std::optional<CallFailure> failure = untilFailure({
        {"ReadCfg", [] { return ReadCfg(); }},
        {"GetSonarParms", [&read] { return GetSonarParms(&read.sonar); }},
        {"GetIdleParms", [&read] { return GetIdleParms(&read.idle); }},
        {"GetWalkAwayParms", [&read] { return GetWalkAwayParms(&read.walkAway); }},
        {"GetWalkUpParms", [&read] { return GetWalkUpParms(&read.walkUp); }},
    });
    if (!failure)
        stored = read;
    return failure;
}

std::optional<StoreFailure> write(const kv3sim::Configuration &wanted)
{
    // The library takes the records by address; it is given a copy.
    kv3sim::Configuration sent = wanted;
    const std::optional<CallFailure> failure = untilFailure({
        {"SetSonarParms", [&sent] { return SetSonarParms(&sent.sonar); }},
        {"SetIdleParms", [&sent] { return SetIdleParms(&sent.idle); }},
        {"SetWalkAwayParms", [&sent] { return SetWalkAwayParms(&sent.walkAway); }},
        {"SetWalkUpParms", [&sent] { return SetWalkUpParms(&sent.walkUp); }},
        {"WriteCfg", [] { return WriteCfg(); }},
    });
    if (failure)
        return reloadAfter(*failure);
    return std::nullopt;
}

std::optional<StoreFailure> resetFactory()
{
    if (auto failure = check(ResetFactoryDflts(), "ResetFactoryDflts"))
        return reloadAfter(*failure);
    return std::nullopt;
}

std::optional<CallFailure> readRange(ObjRangeInfo &info)
{
    return check(GetObjRangeInfo(&info), "GetObjRangeInfo");
}

} // namespace tool

} // namespace exchange
