// What both start-up programs of the benchmark share: the moment a window is
// first shown and the event loop has gone idle, reported to the runner.
#pragma once

class QWidget;

namespace bench {

// Once `window` has painted for the first time and the event loop has run
// dry, prints "idle <ns> widgets <n>" (the steady clock in nanoseconds and
// the number of named widgets in the window) and ends the process at once,
// so that tearing down is not timed. With OSTRAVAL_BENCH_GRAB=FILE set, it
// first saves the window as shown to FILE (a PNG).
void reportWhenShownAndIdle(QWidget *window);

} // namespace bench
