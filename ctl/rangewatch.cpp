#include "rangewatch.h"

#include "output.h"

#include <QJsonObject>

#include <algorithm>
#include <csignal>
#include <ctime>
#include <unistd.h>

namespace ctl {

namespace {

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void noteInterrupt(int)
{
    g_interrupted = 1;
}

// Ctrl+C and termination end the watch between two readings, so that the
// terminal is put back before the program ends.
void catchInterrupts()
{
    struct sigaction action {};
    action.sa_handler = noteInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no restart: the pause ends at once
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void pauseOneSecond()
{
    timespec left{1, 0};
    while (!g_interrupted && nanosleep(&left, &left) != 0) {
    }
}

constexpr int kBarWidth = 40;

// "[#########|......]": the distance as a bar, the detection range as "|",
// on a scale of twice the detection range.
QString bar(int distance, int detectionRange)
{
    const int scale = std::max({2 * detectionRange, distance, 1});
    const int filled = std::clamp(distance, 0, scale) * kBarWidth / scale;
    const int mark = std::clamp(detectionRange, 0, scale) * kBarWidth / scale;
    QString cells(kBarWidth + 1, QLatin1Char('.'));
    for (int i = 0; i < filled; ++i)
        cells[i] = QLatin1Char('#');
    cells[std::min(mark, kBarWidth)] = QLatin1Char('|');
    return QLatin1Char('[') + cells + QLatin1Char(']');
}

QString barLine(const ObjRangeInfo &info, int detectionRange)
{
    //: %1 is the bar, %2 the measured distance, %3 the detection range, in inches
    const char *const inRange = QT_TRANSLATE_NOOP("ostraval-ctl", "%1 %2 in (range %3 in) in range");
    const char *const outOfRange = QT_TRANSLATE_NOOP("ostraval-ctl", "%1 %2 in (range %3 in) out of range");
    return shown(info.bInRange ? inRange : outOfRange)
        .arg(bar(info.wCurrRange, detectionRange))
        .arg(info.wCurrRange, 3)
        .arg(detectionRange);
}

constexpr const char *kHideCursor = "\x1b[?25l";
constexpr const char *kShowCursor = "\x1b[?25h";
constexpr const char *kClearLine = "\r\x1b[K";

} // namespace

static QString yesNo(int16_t flag)
{
    return flag ? shown(QT_TRANSLATE_NOOP("ostraval-ctl", "yes")) : shown(QT_TRANSLATE_NOOP("ostraval-ctl", "no"));
}

QString plainLine(const ObjRangeInfo &info)
{
    //: %1 is the measured distance, %2 to %4 are "yes" or "no"
    return shown(QT_TRANSLATE_NOOP("ostraval-ctl",
                                   "range %1 inches, in range: %2, in-range pending: %3, out-of-range pending: %4"))
        .arg(info.wCurrRange)
        .arg(yesNo(info.bInRange), yesNo(info.bInRangePend), yesNo(info.bOutRangePend));
}

QJsonObject rangeJson(const ObjRangeInfo &info)
{
    return QJsonObject{{QStringLiteral("range"), info.wCurrRange},
                       {QStringLiteral("in_range"), info.bInRange != 0},
                       {QStringLiteral("in_range_pending"), info.bInRangePend != 0},
                       {QStringLiteral("out_of_range_pending"), info.bOutRangePend != 0}};
}

int showRange(Sensor &sensor, const RangeOptions &options)
{
    const bool drawBar = options.watch && !options.json && isatty(STDOUT_FILENO);
    if (options.watch)
        catchInterrupts();
    if (drawBar)
        printOutRaw(kHideCursor);

    int status = kSuccess;
    for (int readings = 0; !g_interrupted && !outputFailed(); ++readings) {
        if (options.count && readings >= *options.count)
            break;
        if (readings > 0)
            pauseOneSecond();
        if (g_interrupted)
            break;
        ObjRangeInfo info{};
        if (const auto failure = sensor.range(info)) {
            if (drawBar)
                printOutRaw("\n");
            status = fail(Failure{kSensorFailed,
                                  message(QT_TRANSLATE_NOOP("ostraval-ctl", "cannot read the range: %1"))
                                      .arg(failureText(*failure)),
                                  *failure, {}});
            break;
        }
        if (options.json)
            printJson(rangeJson(info));
        else if (drawBar)
            printOutRaw((kClearLine + barLine(info, options.detectionRange)).toUtf8());
        else
            printOut(plainLine(info));
        if (!options.watch)
            break;
    }

    if (drawBar)
        printOutRaw(QByteArray(kShowCursor) + '\n');
    return status;
}

} // namespace ctl
