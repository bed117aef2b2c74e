// The simulated sensor's settings from the environment.
#include "kv3sim.h"
#include "libfunctions.h"
#include "shown.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <string_view>

namespace kv3sim {
namespace {

// A whole number without sign or blanks, decimal or (when allowed) 0x hex,
// within [0, max].
std::optional<int64_t> parseWhole(std::string_view text, int64_t max, bool allowHex = false)
{
    int base = 10;
    if (allowHex && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    uint64_t value = 0;
    const char *end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || ec != std::errc() || stop != end || value > static_cast<uint64_t>(max))
        return std::nullopt;
    return static_cast<int64_t>(value);
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at - from));
        if (at == std::string_view::npos)
            return parts;
        from = at + 1;
    }
}

constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();

bool parseFailure(std::string_view entry, Failure &failure, std::string &why)
{
    const auto parts = split(entry, ':');
    if (parts.size() > 3) {
        why = "\"" + std::string(entry) + "\" has more than Name:errno:count";
        return false;
    }
    const auto function = detail::functionNamed(parts[0]);
    if (!function) {
        why = "unknown function \"" + std::string(parts[0]) + "\"";
        return false;
    }
    if (*function == detail::Function::GetLastLibErr) {
        why = "GetLastLibErr never fails";
        return false;
    }
    failure = Failure{std::string(parts[0]), KV3_ERR_IO, std::nullopt};
    if (parts.size() > 1) {
        const auto error = parseWhole(parts[1], kInt32Max);
        if (!error) {
            why = "\"" + std::string(parts[1]) + "\" is not an error number from 0 to 2147483647";
            return false;
        }
        failure.error = static_cast<int32_t>(*error);
    }
    if (parts.size() > 2) {
        const auto count = parseWhole(parts[2], kInt32Max);
        if (!count || *count == 0) {
            why = "\"" + std::string(parts[2]) + "\" is not a count from 1 to 2147483647";
            return false;
        }
        failure.count = static_cast<int>(*count);
    }
    return true;
}

// Each setting reads its value into the settings, or says why it cannot.
using SettingReader = bool (*)(const std::string &value, Settings &settings, std::string &why);

bool readStatePath(const std::string &value, Settings &settings, std::string &)
{
    settings.statePath = value;
    return true;
}

bool readUnplugged(const std::string &value, Settings &settings, std::string &why)
{
    if (value != "0" && value != "1") {
        why = "not 0 or 1";
        return false;
    }
    settings.unplugged = value == "1";
    return true;
}

bool readFailures(const std::string &value, Settings &settings, std::string &why)
{
    return parseFailures(value, settings.failures, why);
}

bool readFirmware(const std::string &value, Settings &settings, std::string &why)
{
    const auto version = parseWhole(value, 0xFFFF, true);
    if (!version) {
        why = "not a whole number from 0 to 0xFFFF (decimal or 0x hex)";
        return false;
    }
    settings.firmware = static_cast<int32_t>(*version);
    return true;
}

bool readRange(const std::string &value, Settings &settings, std::string &why)
{
    const auto range = parseWhole(value, std::numeric_limits<int16_t>::max());
    if (!range) {
        why = "not a whole number from 0 to 32767";
        return false;
    }
    settings.heldRange = static_cast<int16_t>(*range);
    return true;
}

bool readLogPath(const std::string &value, Settings &settings, std::string &)
{
    settings.logPath = value;
    return true;
}

struct EnvironmentSetting {
    const char *name;
    SettingReader read;
};

constexpr EnvironmentSetting kEnvironmentSettings[] = {
    {"KV3RAPI_SIM_STATE", readStatePath},   {"KV3RAPI_SIM_UNPLUGGED", readUnplugged},
    {"KV3RAPI_SIM_FAIL", readFailures},     {"KV3RAPI_SIM_FIRMWARE", readFirmware},
    {"KV3RAPI_SIM_RANGE", readRange},       {"KV3RAPI_SIM_LOG", readLogPath},
};

// An environment variable's value; unset and empty both count as not given.
std::optional<std::string> environmentValue(const char *name)
{
    const char *value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return std::nullopt;
    return std::string(value);
}

// ostraval/sensor.bin under the XDG state directory, so that the sensor keeps
// its configuration between runs of the utility.
std::string defaultStatePath(std::ostream &warnings)
{
    const auto xdg = environmentValue("XDG_STATE_HOME");
    if (xdg && xdg->front() == '/')
        return *xdg + "/ostraval/sensor.bin";
    if (const auto home = environmentValue("HOME"))
        return *home + "/.local/state/ostraval/sensor.bin";
    warnings << "KV3RAPI: neither XDG_STATE_HOME nor HOME is set: the stored configuration "
                "is kept in memory only\n";
    return {};
}

} // namespace

namespace detail {

namespace {

// The bytes of the character that starts at `at`: a UTF-8 sequence is never
// cut apart, and is at most four bytes long.
std::size_t characterLength(std::string_view text, std::size_t at)
{
    std::size_t length = 1;
    while (length < 4 && at + length < text.size() &&
           (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80)
        ++length;
    return length;
}

} // namespace

std::string shownText(std::string_view text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line;
    std::size_t shown = 0; // characters on the line, an escape counted as written
    std::size_t at = 0;
    for (; at < text.size(); at += characterLength(text, at)) {
        const std::size_t length = characterLength(text, at);
        std::string piece(text.substr(at, length));
        const auto byte = static_cast<unsigned char>(text[at]);
        // The C1 controls U+0080 to U+009F are C2 80 to C2 9F in UTF-8.
        const bool c1 = byte == 0xC2 && length == 2 && static_cast<unsigned char>(text[at + 1]) < 0xA0;
        const bool escaped = byte < 0x20 || byte == 0x7F || c1;
        if (escaped) {
            const unsigned code = c1 ? static_cast<unsigned char>(text[at + 1]) : byte;
            piece = {'\\', 'x', kHex[code >> 4], kHex[code & 0xF]};
        }
        const std::size_t width = escaped ? piece.size() : 1;
        if (shown + width > kShownLength)
            break;
        line += piece;
        shown += width;
    }
    if (at >= text.size())
        return line;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); i += characterLength(text, i))
        ++characters;
    return line + "... (" + std::to_string(characters) + " characters)";
}

} // namespace detail

bool parseFailures(const std::string &text, std::vector<Failure> &out, std::string &why)
{
    std::vector<Failure> failures;
    if (!text.empty()) {
        for (std::string_view entry : split(text, ',')) {
            Failure failure;
            if (!parseFailure(entry, failure, why))
                return false;
            failures.push_back(failure);
        }
    }
    out = std::move(failures);
    return true;
}

Settings settingsFromEnvironment(std::ostream &warnings)
{
    Settings settings;
    for (const EnvironmentSetting &setting : kEnvironmentSettings) {
        const auto value = environmentValue(setting.name);
        std::string why;
        if (value && !setting.read(*value, settings, why))
            warnings << "KV3RAPI: ignoring " << setting.name << "=\"" << detail::shownText(*value)
                     << "\": " << detail::shownText(why) << '\n';
    }
    if (settings.statePath.empty())
        settings.statePath = defaultStatePath(warnings);
    return settings;
}

} // namespace kv3sim
