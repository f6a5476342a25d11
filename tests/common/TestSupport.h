#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <string>

class serializedPlanformixData_serializedPanelData;

// Small helpers shared by the test executables.
namespace TestSupport {

struct CapturedOutput {
    std::string out;
    std::string err;
};

// Runs fn with the process's standard output and standard error redirected
// into temporary files and returns what it wrote (C stdio and std::cout/cerr).
CapturedOutput captureOutput(const std::function<void()>& fn);

// Runs fn in a forked child process and returns its exit status (the value
// passed to exit(), 0 when fn returns normally), or -1000 - signal number
// when the child was killed by a signal. Several code paths end the process
// on purpose; this is how tests observe them without ending themselves.
int runInChildProcess(const std::function<void()>& fn);

// Runs fn in a forked child process and returns what fn returned, or that
// with a note of how the child ended when it did not end normally (a
// signal, a sanitizer's report).
std::string resultOfChildProcess(const std::function<std::string()>& fn);

// Runs fn in a forked child process in which no file may grow beyond
// limit bytes: a write past the limit fails with EFBIG, as on a full disk,
// instead of ending the process. Returns what fn returned (empty when all
// was well), or a note saying how the child ended otherwise.
std::string runWithFileSizeLimit(long long limit, const std::function<std::string()>& fn);

// Runs fn in a forked child process that may take no more than spare
// bytes of data beyond what it holds when fn begins, a limit that stays in
// place while fn runs. Returns as runWithFileSizeLimit.
std::string runWithDataLimit(long long spare, const std::function<std::string()>& fn);
// Lets this process take no more than spare bytes of data beyond what it
// holds now, until it ends: for a child process. False when it cannot.
bool limitDataTo(long long spare);

// Runs fn in a forked child process in which folder is a file system of
// its own that fill has put files into and that is then made read-only.
// Returns what fn returned, or NoReadOnlyFileSystem when the child may not
// mount one (a test then skips).
extern const std::string NoReadOnlyFileSystem;
std::string runOnReadOnlyFileSystem(const std::function<void(const QString& folder)>& fill,
                                    const std::function<std::string(const QString& folder)>& fn);

// Data rows "at the start", "in the middle" and "at the very end", and the
// file-size limit that makes a write of size bytes fail there.
void addWriteFailureRows();
long long failingLimit(int failAt, long long size);

// What is wrong after a write that had to fail: path must hold previous
// unchanged and be alone in its folder (no temporary file left over).
std::string keptUntouched(const QString& path, const QByteArray& previous);

// Puts the panel under advanced covering with 50 sheeting strips, 1.6 % of
// the chord apart from 10 % back, across all its ribs: the most strip cuts a
// panel may hold, and the slowest kind to build.
void coverWithFiftyStrips(serializedPlanformixData_serializedPanelData& panel);

// Processor time, in ms, that the process's threads but the calling one have
// used: the program's workers, while the GUI thread waits for them. The
// waiting thread's own time grows with the time on the clock, as it paints
// at every turn of its wait, so a loaded machine would inflate it.
double workerCpuMs();

// Points HOME at an empty folder while it lives, as on a new account that
// has no Documents folder yet.
class FreshHome
{
public:
    FreshHome();
    ~FreshHome();
    QString path() const { return home.path(); }

private:
    QTemporaryDir home;
    QByteArray previous;
};

} // namespace TestSupport
