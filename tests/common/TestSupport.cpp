#include "TestSupport.h"

#include "planformixdata.pb.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace TestSupport {

namespace {

std::string readAll(std::FILE* f)
{
    std::string result;
    std::rewind(f);
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        result.append(buffer, n);
    return result;
}

} // namespace

CapturedOutput captureOutput(const std::function<void()>& fn)
{
    std::fflush(stdout);
    std::fflush(stderr);
    std::cout.flush();
    std::cerr.flush();

    std::FILE* outFile = std::tmpfile();
    std::FILE* errFile = std::tmpfile();
    const int savedOut = dup(STDOUT_FILENO);
    const int savedErr = dup(STDERR_FILENO);
    dup2(fileno(outFile), STDOUT_FILENO);
    dup2(fileno(errFile), STDERR_FILENO);

    fn();

    std::cout.flush();
    std::cerr.flush();
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, STDOUT_FILENO);
    dup2(savedErr, STDERR_FILENO);
    close(savedOut);
    close(savedErr);

    CapturedOutput captured{readAll(outFile), readAll(errFile)};
    std::fclose(outFile);
    std::fclose(errFile);
    return captured;
}

int runInChildProcess(const std::function<void()>& fn)
{
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = fork();
    if (pid == 0) {
        // A child that ends the process on purpose does so in the middle of
        // a test, with all the test had made still alive: only its exit
        // status counts. Destructors of statics and a sanitizer build's leak
        // report at exit would run against that half-built state and could
        // change the status, so they are skipped.
        on_exit([](int status, void*) {
            std::fflush(nullptr);
            _exit(status);
        }, nullptr);
        fn();
        std::fflush(stdout);
        std::fflush(stderr);
        _exit(0);
    }
    if (pid < 0)
        return -2000;
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return -1000 - WTERMSIG(status);
    return -2000;
}

namespace {

// Runs fn in a forked child process set up by prepare (which returns an
// error text, or nothing when the child is ready) and hands back what fn
// returned.
std::string resultFromChild(const std::function<std::string()>& prepare, const std::function<std::string()>& fn)
{
    int channel[2];
    if (pipe(channel) != 0)
        return "no pipe to the child process";
    std::fflush(stdout);
    std::fflush(stderr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        std::string result = prepare();
        if (result.empty())
            result = fn();
        for (std::size_t sent = 0; sent < result.size();) {
            const ssize_t n = write(channel[1], result.data() + sent, result.size() - sent);
            if (n <= 0)
                break;
            sent += static_cast<std::size_t>(n);
        }
        std::fflush(stdout);
        std::fflush(stderr);
        _exit(0);
    }
    close(channel[1]);
    if (pid < 0) {
        close(channel[0]);
        return "fork failed";
    }
    std::string result;
    char buffer[4096];
    ssize_t n;
    while ((n = read(channel[0], buffer, sizeof buffer)) > 0)
        result.append(buffer, static_cast<std::size_t>(n));
    close(channel[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        result += " the child process ended with status " + std::to_string(status);
    return result;
}

} // namespace

std::string resultOfChildProcess(const std::function<std::string()>& fn)
{
    // A child that crashes ends there, by its signal: Qt Test's handler,
    // inherited from the parent, would dump the stack with a debugger and
    // could hang there instead.
    return resultFromChild(
        [] {
            for (int fatal : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT})
                signal(fatal, SIG_DFL);
            return std::string();
        },
        fn);
}

std::string runWithFileSizeLimit(long long limit, const std::function<std::string()>& fn)
{
    const auto prepare = [limit]() -> std::string {
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit size;
        getrlimit(RLIMIT_FSIZE, &size);
        size.rlim_cur = static_cast<rlim_t>(limit);
        return setrlimit(RLIMIT_FSIZE, &size) == 0 ? std::string() : std::string("the file-size limit was refused");
    };
    return resultFromChild(prepare, fn);
}

bool limitDataTo(long long spare)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    long long dataKb = 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmData:"))
            dataKb = line.mid(7).trimmed().split(' ').front().toLongLong();
    struct rlimit data;
    getrlimit(RLIMIT_DATA, &data);
    data.rlim_cur = static_cast<rlim_t>(dataKb * 1024 + spare);
    return dataKb > 0 && setrlimit(RLIMIT_DATA, &data) == 0;
}

std::string runWithDataLimit(long long spare, const std::function<std::string()>& fn)
{
    const auto prepare = [spare]() -> std::string {
        return limitDataTo(spare) ? std::string() : std::string("the data limit was refused");
    };
    return resultFromChild(prepare, fn);
}

const std::string NoReadOnlyFileSystem = "no read-only file system can be mounted here";

std::string runOnReadOnlyFileSystem(const std::function<void(const QString&)>& fill,
                                    const std::function<std::string(const QString&)>& fn)
{
    QTemporaryDir mountPoint;
    if (!mountPoint.isValid())
        return "no folder to mount on";
    const QByteArray path = QFile::encodeName(mountPoint.path());
    // The mount lives in a namespace of the child's own and goes with it.
    const auto prepare = [&]() -> std::string {
        if (unshare(CLONE_NEWNS) != 0 || mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || mount("tmpfs", path.constData(), "tmpfs", 0, "size=4m") != 0)
            return NoReadOnlyFileSystem;
        fill(mountPoint.path());
        if (mount("tmpfs", path.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return "the file system could not be made read-only";
        return std::string();
    };
    return resultFromChild(prepare, [&] { return fn(mountPoint.path()); });
}

void addWriteFailureRows()
{
    QTest::addColumn<int>("failAt");
    QTest::newRow("at the start") << 0;
    QTest::newRow("in the middle") << 1;
    QTest::newRow("at the very end") << 2;
}

long long failingLimit(int failAt, long long size)
{
    return failAt == 0 ? 0 : failAt == 1 ? size / 2 : size - 1;
}

std::string keptUntouched(const QString& path, const QByteArray& previous)
{
    std::string wrong;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.readAll() != previous)
        wrong += "the previous file was not kept unchanged; ";
    const QFileInfo info(path);
    const QStringList left = info.dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (left != QStringList{info.fileName()})
        wrong += "the folder holds " + left.join(", ").toStdString() + "; ";
    return wrong;
}

FreshHome::FreshHome()
    : previous(qgetenv("HOME"))
{
    qputenv("HOME", QFile::encodeName(home.path()));
}

FreshHome::~FreshHome()
{
    qputenv("HOME", previous);
}

void coverWithFiftyStrips(serializedPlanformixData_serializedPanelData& panel)
{
    auto* sheeting = panel.mutable_sheeting();
    sheeting->set_sheetingtype(serializedPlanformixData::serializedPanelData::sheetingDefinition::Advanced);
    for (int s = 0; s < 50; ++s) {
        auto* strip = sheeting->add_sheetingstriplist();
        strip->set_firstrib(1);
        strip->set_lastrib(panel.noofribs());
        strip->set_position(10.0f + 1.6f * float(s));
        strip->set_lastposition(strip->position());
    }
}

double workerCpuMs()
{
    timespec all{};
    timespec own{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &all);
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &own);
    return double(all.tv_sec - own.tv_sec) * 1000.0 + double(all.tv_nsec - own.tv_nsec) / 1e6;
}

} // namespace TestSupport
