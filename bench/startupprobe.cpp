#include "startupprobe.h"

#include <QEvent>
#include <QObject>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace bench {

namespace {

int namedWidgets(const QWidget *window)
{
    int count = 0;
    for (const QWidget *w : window->findChildren<QWidget *>())
        count += w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")) ? 0 : 1;
    return count;
}

void reportAndExit(QWidget *window)
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    // Asked for, the window as first shown is saved as a picture (after the
    // clock is read), so that the windows compared can be seen to show the same.
    if (const QByteArray picture = qgetenv("OSTRAVAL_BENCH_GRAB"); !picture.isEmpty())
        window->grab().save(QString::fromLocal8Bit(picture));
    std::printf("idle %lld widgets %d\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()),
                namedWidgets(window));
    std::fflush(stdout);
    std::_Exit(0);
}

class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget *window) : QObject(window), window_(window) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == window_ && event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // A zero timer fires once the events queued so far are handled.
            QTimer::singleShot(0, window_, [w = window_] { reportAndExit(w); });
        }
        return false;
    }

private:
    QWidget *window_;
    bool seen_ = false;
};

} // namespace

void reportWhenShownAndIdle(QWidget *window)
{
    window->installEventFilter(new FirstPaint(window));
}

} // namespace bench
