#include "foundation/FPSMonitor.h"

#include <QDateTime>

namespace {
// A frame that takes less than one clock tick is counted as one millisecond
// long: the clock cannot tell it apart from that, and a rate has to stay a
// finite number.
const qint64 ShortestFrameMs = 1;
} // namespace

FPSMonitor::FPSMonitor()
{
    reset();
}

FPSMonitor::~FPSMonitor() = default;

void FPSMonitor::reset()
{
    startMs = 0;
    minFps = 1000000;
    maxFps = -1;
    totalMs = 0;
    frames = 0;
}

void FPSMonitor::startFrame()
{
    startFrame(QDateTime::currentMSecsSinceEpoch());
}

void FPSMonitor::endFrame()
{
    endFrame(QDateTime::currentMSecsSinceEpoch());
}

void FPSMonitor::startFrame(qint64 nowMs)
{
    startMs = nowMs;
}

void FPSMonitor::endFrame(qint64 nowMs)
{
    // A clock set back between start and end must not give a negative frame.
    const qint64 elapsed = nowMs > startMs ? nowMs - startMs : 0;
    const int rate = static_cast<int>(1000.0 / static_cast<double>(qMax(elapsed, ShortestFrameMs)));
    // The maximum is only looked at in a frame that did not lower the
    // minimum, so a single frame leaves the maximum untouched.
    if (rate < minFps)
        minFps = rate;
    else if (rate > maxFps)
        maxFps = rate;
    totalMs += elapsed;
    ++frames;
}

int FPSMonitor::getAverageFps() const
{
    if (frames <= 0)
        return 0;
    const qint64 averageMs = qMax(totalMs / frames, ShortestFrameMs);
    return static_cast<int>(1000 / averageMs);
}
