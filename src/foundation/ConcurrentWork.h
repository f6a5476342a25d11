#pragma once

#include <functional>

// Runs independent pieces of work (rebuilding the panels of a wing, say) on
// several cores and returns when all of them are done, so that to the caller
// it is just a slower-looking loop that finished sooner.
class ConcurrentWork
{
public:
    // Calls work(0) ... work(count - 1), each exactly once, spread over the
    // calling thread and up to one worker thread per further core. The
    // pieces must not touch each other's data, nor anything that is only
    // safe on the GUI thread (views, signals to them). What a piece writes
    // to std::cout and std::cerr is held back and written out whole, piece
    // by piece in index order, once all are done: the console reads as
    // after the plain loop. An exception thrown by a piece is rethrown here
    // after all have finished (the one of the lowest index); a piece that
    // runs out of memory stops the run, and so does a worker that finds no
    // memory to start (its std::bad_alloc is rethrown when no piece failed).
    // standing, when given, is asked once all pieces are done how many of
    // them, from the first, stand; the output of the others is dropped, as
    // the caller will run them again.
    // waiting, when given, keeps the calling thread out of the work: it is
    // called there about every 20 ms until all pieces are done (the GUI
    // thread paints and answers its progress dialog in it). When it returns
    // false no further piece is started; the pieces already running finish,
    // and forEach returns false. Pieces that never started have no output.
    // A single piece goes to a worker too when the caller waits, so that
    // the caller keeps answering; without waiting, a single piece or a call
    // from inside a piece runs the plain loop on the calling thread
    // (waiting is then not called).
    // Runs from different threads take turns: the console streams are
    // redirected for one run at a time. A call from inside waiting (on the
    // same thread, nested) runs at once. Other threads that write to the
    // console while a run begins or ends race with the redirection, so
    // console output belongs to the pieces and the GUI thread.
    static bool forEach(int count, const std::function<void(int)>& work,
                        const std::function<int()>& standing = nullptr,
                        const std::function<bool()>& waiting = nullptr);

    // Thrown by stepDone in a piece of a stopped run: the piece ends there.
    // It is not a failure and forEach does not rethrow it; the piece's work
    // is incomplete, as for every piece of a stopped run.
    struct Stopped {
    };
    // Called by a long piece between its steps (the ribs of a panel): a
    // stopped run ends the piece at once (Stopped) rather than after all
    // its steps, and each step is reported to the StepReport the piece runs
    // under. Outside a piece it does nothing.
    static void stepDone();
    // Whether this thread is running a piece now (a worker's, or the
    // caller's own share): work that only the GUI thread may do is left to
    // the caller then, for when the pieces are done.
    static bool inPiece();

    // While one lives on a thread, every stepDone of that thread calls
    // onStep: a piece that sets one up tells its waiting caller how far it
    // has come within the piece.
    class StepReport
    {
    public:
        explicit StepReport(std::function<void()> onStep);
        ~StepReport();
        StepReport(const StepReport&) = delete;
        StepReport& operator=(const StepReport&) = delete;

    private:
        std::function<void()> onStep;
        StepReport* outer;
        friend class ConcurrentWork;
    };
};
