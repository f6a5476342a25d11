#pragma once

#include <QtGlobal>

// Frame rate of a drawing loop in whole frames per second. The caller marks
// the start and the end of every frame; the monitor keeps the extremes and
// the totals for an average.
class FPSMonitor
{
public:
    FPSMonitor();
    virtual ~FPSMonitor();

    void reset();

    void startFrame();
    void endFrame();
    // The same with an explicit clock in milliseconds since the epoch, so
    // that a frame's length does not depend on how fast the machine is.
    void startFrame(qint64 nowMs);
    void endFrame(qint64 nowMs);

    int getMinFps() const { return minFps; }
    int getMaxFps() const { return maxFps; }
    // 0 before the first frame.
    int getAverageFps() const;

private:
    qint64 startMs;
    int minFps;
    int maxFps;
    qint64 totalMs;
    int frames;
};
