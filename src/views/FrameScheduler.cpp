// Owns the scheduling of a 3D view's full frames: the slice loop, the wait
// for the renderer and the cost learnt from each frame.
#include "views/FrameScheduler.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A slice sends at least this share of its time, however long the renderer
// took over the slice before, so that every slice gets on with the frame.
const double leastSendingShare = 0.1;

} // namespace

FrameScheduler::Slice::Slice(double untilMs)
    : untilMs(untilMs)
    , untilNs(std::isfinite(untilMs) ? qint64(std::max(0.0, untilMs) * 1.0e6) : std::numeric_limits<qint64>::max())
{
    clock.start();
}

bool FrameScheduler::Slice::isOver() const
{
    return clock.nsecsElapsed() >= untilNs;
}

bool FrameScheduler::PartCursor::take()
{
    const size_t part = next++;
    if (part < from || stopped)
        return false;
    if (part > from && slice.isOver()) {
        stopped = true;
        stoppedAt = part;
        return false;
    }
    return true;
}

FrameScheduler::FrameScheduler() = default;

void FrameScheduler::setSlicing(double oneGo, double slice)
{
    oneGoMs = oneGo;
    sliceMs = slice;
}

double FrameScheduler::estimateMs(double units) const
{
    return units * (msPerUnit > 0.0 ? msPerUnit : defaultMsPerUnit);
}

void FrameScheduler::drawAtOnce(Frame& frame)
{
    drop();
    lightFrame = false;
    drawnMs = 0.0;
    slices = 0;
    run(frame, std::numeric_limits<double>::infinity(), true);
    learn(frame);
}

void FrameScheduler::startInSlices(std::unique_ptr<Frame> frame, double estimateMs)
{
    current = std::move(frame);
    allSent = false;
    waitingForRenderer.invalidate();
    lightFrame = true;
    slices = 0;
    drawnMs = 0.0;
    lastFullFrameMs = std::max(lastFullFrameMs, estimateMs);
}

bool FrameScheduler::drawSlice()
{
    if (!current)
        return false;
    if (!allSent) {
        allSent = run(*current, sliceMs * sendingShare, false);
        return false;
    }
    // The last slice has been sent: what the renderer has left of it is
    // all that stands between the frame and the screen.
    QElapsedTimer finishing;
    finishing.start();
    current->finishWork();
    drawnMs += double(finishing.nsecsElapsed()) / 1.0e6;
    learn(*current);
    current.reset();
    lightFrame = false;
    return true;
}

bool FrameScheduler::rendererReady()
{
    if (!current)
        return true;
    if (!current->rendererCaughtUp(allSent)) {
        if (!waitingForRenderer.isValid())
            waitingForRenderer.start();
        return false;
    }
    if (waitingForRenderer.isValid()) {
        drawnMs += double(waitingForRenderer.nsecsElapsed()) / 1.0e6;
        waitingForRenderer.invalidate();
    }
    return true;
}

void FrameScheduler::drop()
{
    current.reset();
    allSent = false;
    waitingForRenderer.invalidate();
}

bool FrameScheduler::run(Frame& frame, double untilMs, bool finish)
{
    Slice slice(untilMs);
    frame.resume();
    bool done = false;
    bool first = true;
    while (!done && (first || !slice.isOver())) {
        first = false;
        done = frame.drawStep(slice);
    }
    if (!done)
        frame.pause();
    const double sentMs = slice.elapsedMs();
    // Between slices the window answers while the renderer has at most a
    // slice of the frame left: more work queued behind it would hold the
    // next paint or the frame's completion for as long as the renderer
    // lags, and keep its memory meanwhile.
    if (done && finish)
        frame.finishWork();
    else
        frame.sliceSent();
    const double sliceTotalMs = slice.elapsedMs();
    ++slices;
    drawnMs += sliceTotalMs - slice.leftOut();
    if (sliceTotalMs > 0.0 && std::isfinite(untilMs))
        sendingShare = std::clamp(sentMs / sliceTotalMs, leastSendingShare, 1.0);
    return done;
}

void FrameScheduler::learn(const Frame& frame)
{
    lastFullFrameMs = drawnMs;
    if (frame.units() >= unitsToTimeBy)
        msPerUnit = drawnMs / frame.units();
}
