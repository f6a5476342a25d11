#include "foundation/ConcurrentWork.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <iostream>
#include <memory>
#include <mutex>
#include <new>
#include <streambuf>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace {

enum ConsoleStream { StandardOutput, StandardError };

// What one piece wrote to the console, in the order written.
struct HeldOutput {
    std::vector<std::pair<ConsoleStream, std::string>> chunks;

    void append(ConsoleStream stream, const char* text, std::size_t size)
    {
        if (chunks.empty() || chunks.back().first != stream)
            chunks.emplace_back(stream, std::string());
        chunks.back().second.append(text, size);
    }
};

// Set on a thread while it runs a piece.
thread_local HeldOutput* heldOutput = nullptr;
thread_local bool runningPiece = false;
// The run whose piece this thread runs: whether it has been stopped.
thread_local const std::atomic<bool>* pieceStopped = nullptr;
thread_local ConcurrentWork::StepReport* stepReport = nullptr;

// Stands in for a console stream's buffer while pieces run: a thread that
// runs a piece writes into that piece's held output, any other thread
// straight through to the buffer it replaces. A stream without a buffer
// (output switched off) is left alone.
class HoldingBuffer : public std::streambuf
{
public:
    HoldingBuffer(std::ostream& stream, ConsoleStream which)
        : stream(stream), which(which), replaced(stream.rdbuf())
    {
        if (replaced)
            swapInto(this);
    }
    ~HoldingBuffer() override
    {
        if (replaced)
            swapInto(replaced);
    }
    HoldingBuffer(const HoldingBuffer&) = delete;
    HoldingBuffer& operator=(const HoldingBuffer&) = delete;

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const char ch = traits_type::to_char_type(c);
        return xsputn(&ch, 1) == 1 ? c : traits_type::eof();
    }
    std::streamsize xsputn(const char* text, std::streamsize size) override
    {
        if (heldOutput) {
            heldOutput->append(which, text, std::size_t(size));
            return size;
        }
        return replaced->sputn(text, size);
    }
    // Held text is flushed when it is written out.
    int sync() override { return heldOutput ? 0 : replaced->pubsync(); }

private:
    // Swapping the buffer resets the stream's state; a stream that had
    // failed must stay failed.
    void swapInto(std::streambuf* buffer)
    {
        const std::ios_base::iostate state = stream.rdstate();
        stream.rdbuf(buffer);
        stream.clear(state);
    }

    std::ostream& stream;
    const ConsoleStream which;
    std::streambuf* const replaced;
};

void writeOut(const std::vector<HeldOutput>& outputs, std::size_t count)
{
    for (std::size_t i = 0; i < count && i < outputs.size(); ++i) {
        for (const auto& chunk : outputs[i].chunks) {
            std::ostream& stream = chunk.first == StandardOutput ? std::cout : std::cerr;
            stream.write(chunk.second.data(), std::streamsize(chunk.second.size()));
            stream.flush();
        }
    }
}

// One redirection of the console for all runs in progress. Runs from
// different threads take turns (the lock); a run nested on the same thread
// (from inside waiting) shares the redirection of the run around it, since
// the outer run's workers still write through it.
std::recursive_mutex runLock;
int runDepth = 0;
std::unique_ptr<HoldingBuffer> heldOut;
std::unique_ptr<HoldingBuffer> heldErr;

class ConsoleHold
{
public:
    ConsoleHold() : lock(runLock)
    {
        // Counted once both are in place: without the memory for them the
        // run does not begin, and the next one redirects afresh.
        if (runDepth == 0) {
            try {
                heldOut = std::make_unique<HoldingBuffer>(std::cout, StandardOutput);
                heldErr = std::make_unique<HoldingBuffer>(std::cerr, StandardError);
            } catch (...) {
                heldOut.reset();
                throw;
            }
        }
        ++runDepth;
    }
    ~ConsoleHold()
    {
        if (--runDepth == 0) {
            heldErr.reset();
            heldOut.reset();
        }
    }
    ConsoleHold(const ConsoleHold&) = delete;
    ConsoleHold& operator=(const ConsoleHold&) = delete;

private:
    std::lock_guard<std::recursive_mutex> lock;
};

} // namespace

bool ConcurrentWork::forEach(int count, const std::function<void(int)>& work, const std::function<int()>& standing,
                             const std::function<bool()>& waiting)
{
    const int cores = std::max(1, int(std::thread::hardware_concurrency()));
    if (count < 1 || (count == 1 && !waiting) || runningPiece) {
        for (int i = 0; i < count; ++i)
            work(i);
        return true;
    }

    const auto pieces = static_cast<std::size_t>(count);
    std::vector<HeldOutput> outputs(pieces);
    std::vector<std::exception_ptr> failures(pieces);
    std::atomic<int> next{0};
    std::atomic<bool> stopped{false};
    std::mutex doneMutex;
    std::condition_variable doneSignal;
    int busy = 0;
    // Pieces are handed out one at a time, so a slow one does not hold up a
    // thread's share of the others.
    const auto runPieces = [&] {
        runningPiece = true;
        pieceStopped = &stopped;
        for (int i = next++; i < count && !stopped; i = next++) {
            heldOutput = &outputs[std::size_t(i)];
            try {
                work(i);
            } catch (const Stopped&) {
                // Ended early by a stopped run: not a failure.
            } catch (const std::bad_alloc&) {
                // The other pieces would only take memory that is not there.
                failures[std::size_t(i)] = std::current_exception();
                stopped = true;
            } catch (...) {
                failures[std::size_t(i)] = std::current_exception();
            }
        }
        heldOutput = nullptr;
        pieceStopped = nullptr;
        runningPiece = false;
    };
    // The pieces make Qt objects (a panel's table models), and the first one
    // made on a thread makes Qt's record of that thread. A QObject whose
    // thread record found no memory cannot be undone: the program would end.
    // Made first, before any piece, the record that finds no memory is the
    // run's failure, as a piece's would be. (Qt does not undo every step of
    // the record itself either; only its first allocation fails cleanly.)
    std::exception_ptr startFailure;
    const auto startWorker = [&] {
        try {
            QThread::currentThread();
            return true;
        } catch (...) {
            std::lock_guard<std::mutex> lock(doneMutex);
            if (!startFailure)
                startFailure = std::current_exception();
            stopped = true;
        }
        return false;
    };
    bool finished = true;
    std::exception_ptr callerFailure;
    {
        ConsoleHold hold;
        std::vector<std::thread> workers;
        workers.reserve(std::size_t(std::max(std::min(count, cores) - 1, 1)));
        // A waiting caller takes no piece, but keeps a core of its own to
        // stay quick (it paints the window); a single piece still goes to a
        // worker then.
        const int helpers = std::max(std::min(count, cores) - 1, waiting ? 1 : 0);
        for (int i = 0; i < helpers; ++i) {
            {
                std::lock_guard<std::mutex> lock(doneMutex);
                ++busy;
            }
            try {
                workers.emplace_back([&] {
                    if (startWorker())
                        runPieces();
                    std::lock_guard<std::mutex> lock(doneMutex);
                    --busy;
                    doneSignal.notify_all();
                });
            } catch (...) {
                // No thread to be had (nor the memory for one): the ones
                // there are do the rest.
                std::lock_guard<std::mutex> lock(doneMutex);
                --busy;
                break;
            }
        }
        if (waiting && !workers.empty()) {
            std::unique_lock<std::mutex> lock(doneMutex);
            while (busy > 0) {
                if (doneSignal.wait_for(lock, std::chrono::milliseconds(20), [&] { return busy == 0; }))
                    break;
                lock.unlock();
                bool goOn = false;
                try {
                    goOn = waiting();
                } catch (...) {
                    // The workers are joined before it goes further.
                    callerFailure = std::current_exception();
                }
                lock.lock();
                if (!goOn)
                    stopped = true;
                if (callerFailure)
                    break;
            }
        }
        if (!callerFailure)
            runPieces();
        for (std::thread& worker : workers)
            worker.join();
        finished = !stopped;
    }
    if (callerFailure)
        std::rethrow_exception(callerFailure);
    writeOut(outputs, standing ? std::size_t(std::max(0, standing())) : pieces);
    for (const std::exception_ptr& failure : failures)
        if (failure)
            std::rethrow_exception(failure);
    if (startFailure)
        std::rethrow_exception(startFailure);
    return finished;
}

void ConcurrentWork::stepDone()
{
    if (pieceStopped && pieceStopped->load(std::memory_order_relaxed))
        throw Stopped();
    if (stepReport && stepReport->onStep)
        stepReport->onStep();
}

bool ConcurrentWork::inPiece()
{
    return runningPiece;
}

ConcurrentWork::StepReport::StepReport(std::function<void()> onStep)
    : onStep(std::move(onStep))
    , outer(stepReport)
{
    stepReport = this;
}

ConcurrentWork::StepReport::~StepReport()
{
    stepReport = outer;
}
