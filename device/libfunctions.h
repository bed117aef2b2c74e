// The sixteen functions of the device library, by name. The call log, the
// trace and the injected failures name them this way.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kv3sim::detail {

enum class Function {
    USBConnect,
    USBDisconnect,
    GetLastLibErr,
    ReadCfg,
    WriteCfg,
    ResetFactoryDflts,
    GetSonarParms,
    SetSonarParms,
    GetIdleParms,
    SetIdleParms,
    GetWalkAwayParms,
    SetWalkAwayParms,
    GetWalkUpParms,
    SetWalkUpParms,
    GetObjRangeInfo,
    HaltKBSends,
};

inline constexpr std::array<std::string_view, 16> kFunctionNames = {
    "USBConnect",       "USBDisconnect",    "GetLastLibErr",  "ReadCfg",
    "WriteCfg",         "ResetFactoryDflts", "GetSonarParms", "SetSonarParms",
    "GetIdleParms",     "SetIdleParms",     "GetWalkAwayParms", "SetWalkAwayParms",
    "GetWalkUpParms",   "SetWalkUpParms",   "GetObjRangeInfo", "HaltKBSends",
};

inline std::string_view nameOf(Function function)
{
    return kFunctionNames[static_cast<std::size_t>(function)];
}

inline std::optional<Function> functionNamed(std::string_view name)
{
    for (std::size_t i = 0; i < kFunctionNames.size(); ++i)
        if (kFunctionNames[i] == name)
            return static_cast<Function>(i);
    return std::nullopt;
}

} // namespace kv3sim::detail
