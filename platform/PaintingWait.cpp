#include "platform/PaintingWait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>

namespace platform {

namespace {

/// How long one sleep between two rounds of event processing lasts, in ms: short enough
/// that a window uncovered during a pause is repainted without a visible delay.
constexpr int kPaintSliceMs = 5;

} // namespace

void WaitKeepingPaint(int maxMilliseconds, const std::function<bool()>& done)
{
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        const qint64 left = maxMilliseconds - elapsed.elapsed();
        if (left <= 0 || done())
            return;
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(left, kPaintSliceMs)));
    }
}

} // namespace platform
