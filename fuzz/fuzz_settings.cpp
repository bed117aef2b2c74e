// The simulated sensor's settings from the environment, against a reference
// reading of each setting.
//
// The input is up to six values separated by NUL bytes, for
// KV3RAPI_SIM_STATE, _UNPLUGGED, _FAIL, _FIRMWARE, _RANGE and _LOG in turn;
// a missing value leaves its variable unset. For every setting:
//   - a well-formed value is taken as the reference reads it, with no
//     warning naming it;
//   - a malformed one is named in a warning and its default is kept: it is
//     never silently taken.
#include "kv3sim.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char *kNames[] = {
    "KV3RAPI_SIM_STATE", "KV3RAPI_SIM_UNPLUGGED", "KV3RAPI_SIM_FAIL",
    "KV3RAPI_SIM_FIRMWARE", "KV3RAPI_SIM_RANGE", "KV3RAPI_SIM_LOG",
};
enum { State, Unplugged, Fail, Firmware, Range, Log };

constexpr const char *kFunctions[] = {
    "USBConnect",       "USBDisconnect",    "ReadCfg",          "WriteCfg",
    "ResetFactoryDflts", "GetSonarParms",   "SetSonarParms",    "GetIdleParms",
    "SetIdleParms",     "GetWalkAwayParms", "SetWalkAwayParms", "GetWalkUpParms",
    "SetWalkUpParms",   "GetObjRangeInfo",  "HaltKBSends",
};

[[noreturn]] void fail(const char *what, const std::string &value, const std::string &warnings)
{
    std::fprintf(stderr, "%s: \"%s\"\nwarnings:\n%s", what, value.c_str(), warnings.c_str());
    std::abort();
}

// Digits only, in the given base, at most `max`.
std::optional<int64_t> whole(std::string_view text, int base, int64_t max)
{
    if (text.empty())
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > max)
            return std::nullopt;
    }
    return value;
}

std::optional<int64_t> firmware(const std::string &text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return whole(std::string_view(text).substr(2), 16, 0xFFFF);
    return whole(text, 10, 0xFFFF);
}

std::optional<std::vector<kv3sim::Failure>> failures(const std::string &text)
{
    std::vector<kv3sim::Failure> result;
    std::string_view rest = text;
    for (;;) {
        const std::size_t comma = rest.find(',');
        const std::string_view entry = rest.substr(0, comma);
        std::vector<std::string_view> parts;
        for (std::string_view part = entry;;) {
            const std::size_t colon = part.find(':');
            parts.push_back(part.substr(0, colon));
            if (colon == std::string_view::npos)
                break;
            part.remove_prefix(colon + 1);
        }
        bool known = false;
        for (const char *function : kFunctions)
            known = known || parts[0] == function;
        if (!known || parts.size() > 3)
            return std::nullopt;
        kv3sim::Failure failure{std::string(parts[0]), KV3_ERR_IO, std::nullopt};
        if (parts.size() > 1) {
            const auto error = whole(parts[1], 10, INT32_MAX);
            if (!error)
                return std::nullopt;
            failure.error = int32_t(*error);
        }
        if (parts.size() > 2) {
            const auto count = whole(parts[2], 10, INT32_MAX);
            if (!count || *count == 0)
                return std::nullopt;
            failure.count = int(*count);
        }
        result.push_back(failure);
        if (comma == std::string_view::npos)
            return result;
        rest.remove_prefix(comma + 1);
    }
}

bool sameFailures(const std::vector<kv3sim::Failure> &a, const std::vector<kv3sim::Failure> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].function != b[i].function || a[i].error != b[i].error || a[i].count != b[i].count)
            return false;
    return true;
}

// The variables live in buffers of our own, handed to putenv once and then
// rewritten in place: setenv would keep every value it was ever given. An
// empty value counts as unset for the library.
constexpr std::size_t kMaxValue = 512;
char g_entries[std::size(kNames)][32 + kMaxValue + 1];

void setEnvironment(const std::vector<std::string> &values)
{
    static const bool placed = [] {
        for (std::size_t i = 0; i < std::size(kNames); ++i) {
            std::snprintf(g_entries[i], sizeof g_entries[i], "%s=", kNames[i]);
            ::putenv(g_entries[i]);
        }
        ::unsetenv("XDG_STATE_HOME");
        ::setenv("HOME", "/home/fuzz", 1);
        return true;
    }();
    (void)placed;
    for (std::size_t i = 0; i < std::size(kNames); ++i)
        std::snprintf(g_entries[i], sizeof g_entries[i], "%s=%s", kNames[i], values[i].c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > kMaxValue)
        return 0;
    // The values; an empty one is as good as unset, as for the library.
    std::vector<std::string> values(std::size(kNames));
    std::string_view input(reinterpret_cast<const char *>(data), size);
    for (std::size_t i = 0; i < values.size() && !input.empty(); ++i) {
        const std::size_t nul = input.find('\0');
        values[i] = std::string(input.substr(0, nul));
        input = nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);
    }
    setEnvironment(values);

    std::ostringstream warnings;
    const kv3sim::Settings got = kv3sim::settingsFromEnvironment(warnings);
    const std::string said = warnings.str();
    const kv3sim::Settings defaults;

    // Every warning is one line of its own, whatever the values hold.
    std::vector<std::string> lines;
    for (std::size_t from = 0; from < said.size();) {
        const std::size_t end = said.find('\n', from);
        if (end == std::string::npos)
            fail("a warning does not end its line", said, said);
        lines.push_back(said.substr(from, end - from));
        from = end + 1;
    }
    // The warning that names a setting, if any.
    const auto warned = [&](int which) {
        const std::string start = std::string("KV3RAPI: ignoring ") + kNames[which] + "=\"";
        for (const std::string &line : lines)
            if (line.rfind(start, 0) == 0)
                return true;
        return false;
    };
    // Checks one setting: taken as the reference reads it, or warned about
    // and left at its default.
    const auto check = [&](int which, bool wellFormed, bool takenAsReference, bool atDefault) {
        const std::string &value = values[which];
        if (value.empty()) {
            if (warned(which) || !atDefault)
                fail("an unset setting was changed", value, said);
        } else if (wellFormed) {
            if (warned(which) || !takenAsReference)
                fail("a well-formed setting was not taken", value, said);
        } else if (!warned(which) || !atDefault) {
            fail("a malformed setting was taken or passed over in silence", value, said);
        }
    };

    const std::string expectedState = values[State].empty() ? "/home/fuzz/.local/state/ostraval/sensor.bin"
                                                            : values[State];
    if (got.statePath != expectedState || warned(State))
        fail("the state path was not taken as given", values[State], said);
    if (got.logPath != values[Log] || warned(Log))
        fail("the log path was not taken as given", values[Log], said);

    const bool unpluggedOk = values[Unplugged] == "0" || values[Unplugged] == "1";
    check(Unplugged, unpluggedOk, got.unplugged == (values[Unplugged] == "1"), !got.unplugged);

    const auto expectedFailures = failures(values[Fail]);
    check(Fail, expectedFailures.has_value(),
          expectedFailures && sameFailures(got.failures, *expectedFailures), got.failures.empty());

    const auto expectedFirmware = firmware(values[Firmware]);
    check(Firmware, expectedFirmware.has_value(),
          expectedFirmware && got.firmware == *expectedFirmware, got.firmware == defaults.firmware);

    const auto expectedRange = whole(values[Range], 10, 32767);
    check(Range, expectedRange.has_value(), expectedRange && got.heldRange == *expectedRange,
          !got.heldRange.has_value());

    // One line for each malformed setting and nothing else.
    const std::size_t malformed = (!values[Unplugged].empty() && !unpluggedOk) +
                                  (!values[Fail].empty() && !expectedFailures) +
                                  (!values[Firmware].empty() && !expectedFirmware) +
                                  (!values[Range].empty() && !expectedRange);
    if (lines.size() != malformed)
        fail("warnings other than one line per malformed setting", values[Fail], said);
    return 0;
}
