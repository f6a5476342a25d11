// Owns the scheduling of a 3D view's full frames: at once or in slices, and
// what they cost.
#pragma once

#include <QElapsedTimer>
#include <cstddef>
#include <memory>

// Owns how a 3D view's full frame reaches the screen: drawn at once when it
// is quick, else step by step in slices between events while a light frame
// shows, and what full frames have cost so far, from which the next one is
// estimated. It draws nothing itself and runs no timer: the view hands it
// the frame's steps, calls it from its paint and its slice timer, and does
// the buffer swap. A slice goes once the renderer has done the slice before
// the last, which the view asks about without waiting (the window answers
// meanwhile), so that no queued work piles up behind the window.
class FrameScheduler
{
public:
    // How long a slice may go on sending work to the renderer.
    class Slice
    {
    public:
        explicit Slice(double untilMs);
        // Whether the time for sending is up; the first piece of a step is
        // always drawn, so that every slice gets on.
        bool isOver() const;
        double elapsedMs() const { return double(clock.nsecsElapsed()) / 1.0e6; }
        // Time of work that later frames will not repeat (recording display
        // lists): left out of what the frame is timed at.
        void leaveOut(double ms) { leftOutMs += ms; }
        double leftOut() const { return leftOutMs; }
        double limitMs() const { return untilMs; }

    private:
        QElapsedTimer clock;
        double untilMs;
        qint64 untilNs;
        double leftOutMs = 0.0;
    };

    // Counts the parts of a long step as they come and tells which to draw:
    // those from a given one on, until the slice is over; the first of a
    // call is always drawn, so that every slice gets on.
    class PartCursor
    {
    public:
        PartCursor(size_t from, const Slice& slice) : from(from), slice(slice) {}
        bool take();
        bool startsStep() const { return from == 0; }
        bool finished() const { return !stopped; }
        // The part the next slice starts at, once not finished.
        size_t resumeAt() const { return stoppedAt; }

    private:
        size_t from;
        const Slice& slice;
        size_t next = 0;
        bool stopped = false;
        size_t stoppedAt = 0;
    };

    // A full frame's drawing, step by step; the view owns what it draws.
    class Frame
    {
    public:
        virtual ~Frame() = default;
        // Before and after each slice: GL state that is the frame's own
        // while its slices run.
        virtual void resume() {}
        virtual void pause() {}
        // Draws the next step (of a long step, as much as the slice allows,
        // at least one piece); true once the frame is complete.
        virtual bool drawStep(Slice& slice) = 0;
        // Waits until the renderer has done all that was sent.
        virtual void finishWork() = 0;
        // After a slice: keeps what the renderer has still to do within
        // bounds. Unless the frame knows better, all of it is waited for.
        virtual void sliceSent() { finishWork(); }
        // Whether the renderer has done what the next slice would wait for
        // (with all, everything sent), asked without waiting for it; a
        // frame that waits for all of it in sliceSent always has.
        virtual bool rendererCaughtUp(bool /*all*/) { return true; }
        // The frame's size in the units its cost is estimated by; a frame of
        // fewer than unitsToTimeBy says too little of the cost per unit.
        virtual double units() const = 0;
    };

    FrameScheduler();

    // Full frames slower than this (ms) give way to light ones while the
    // picture moves and right after an edit.
    void setFrameBudget(double milliseconds) { frameBudgetMs = milliseconds; }
    // Full frames expected to take longer than oneGo (ms) are drawn in
    // slices of about slice ms, the renderer's work included.
    void setSlicing(double oneGo, double slice);
    // The cost of a unit until a full frame has been timed.
    void setDefaultMsPerUnit(double ms) { defaultMsPerUnit = ms; }
    void setUnitsToTimeBy(double units) { unitsToTimeBy = units; }

    // What a full frame of this many units would take, in milliseconds.
    double estimateMs(double units) const;
    bool drawsAtOnce(double estimateMs) const { return estimateMs <= oneGoMs; }
    // Whether the last full frame missed the frame budget.
    bool fullFramesAreSlow() const { return lastFullFrameMs > frameBudgetMs; }

    // A light frame shows until the full one is on screen.
    bool isShowingLightFrame() const { return lightFrame; }
    void setShowingLightFrame(bool on) { lightFrame = on; }

    // Draws the whole frame now, into the buffers the view has cleared.
    void drawAtOnce(Frame& frame);
    // Takes a frame to draw in slices; one started before is dropped. Until
    // its first slice is timed, the frame counts as costing `estimate`.
    void startInSlices(std::unique_ptr<Frame> frame, double estimateMs);
    // Draws the next slice of the frame under way; once all of it is sent,
    // the next call waits for the renderer to have done it and returns true
    // (the view then swaps it in and the light frame is over).
    bool drawSlice();
    // Whether the next slice of the frame under way (or its completion)
    // goes on without waiting for the renderer. A view's timer asks before
    // each slice and, while the renderer is behind, comes back a moment
    // later: the window answers meanwhile instead of waiting in the slice.
    // The time the renderer keeps the frame waiting counts as drawing time.
    bool rendererReady();
    // Forgets the frame under way: what it was drawing no longer holds.
    void drop();
    bool isDrawingInSlices() const { return bool(current); }
    // The frame under way, for the view to ask what it would draw next.
    const Frame* frameUnderWay() const { return current.get(); }
    // Slices drawn of the frame under way, or of the last one completed.
    int slicesDrawn() const { return slices; }

private:
    // Sends work for at most untilMs and keeps the renderer's backlog in
    // bounds (with finish, waits for all of it once the frame is complete);
    // true when the frame's steps are all sent.
    bool run(Frame& frame, double untilMs, bool finish);
    void learn(const Frame& frame);

    double frameBudgetMs = 33.0;
    double oneGoMs = 250.0;
    double sliceMs = 40.0;
    double defaultMsPerUnit = 0.4;
    double unitsToTimeBy = 100.0;
    bool lightFrame = false;
    // Drawing time of the last full frame, and the share of one unit in it.
    double lastFullFrameMs = 0.0;
    double msPerUnit = 0.0;

    std::unique_ptr<Frame> current;
    // The frame under way has sent all its steps.
    bool allSent = false;
    // Since when the frame under way has waited for the renderer, as seen
    // by rendererReady; invalid while it does not.
    QElapsedTimer waitingForRenderer;
    int slices = 0;
    double drawnMs = 0.0;
    // The share of a slice spent sending work rather than waiting for the
    // renderer to do it, from the slice before.
    double sendingShare = 1.0;
};
