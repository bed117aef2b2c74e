// The tool's commands.
#pragma once

#include <QStringList>

namespace ctl {

// Runs the command line (without the program's name); the exit status. Ends
// with standard output flushed, checked and closed.
int run(const QStringList &arguments);

} // namespace ctl
