// The tool's commands, each given its parsed command line.
#pragma once

#include <QStringList>

#include <optional>

namespace ctl {

// The command line of one command: its operands and its options.
struct Arguments {
    QStringList operands;
    QStringList flags;
    std::optional<int> count;
    std::optional<QString> profile; // preset --profile FILE

    bool has(const char *flag) const { return flags.contains(QLatin1String(flag)); }
};

// Each returns the exit status; failures are reported through fail().
int runShow(const Arguments &args);
int runExport(const Arguments &args);
int runImport(const Arguments &args);
int runDiff(const Arguments &args);
int runGet(const Arguments &args);
int runSet(const Arguments &args);
int runReset(const Arguments &args);
int runRange(const Arguments &args);
int runPreset(const Arguments &args);

} // namespace ctl
