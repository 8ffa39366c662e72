#include "platform/crashDump.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace crashDump {

const char kReportArgument[] = "--crash-report";

namespace {

constexpr int kPathMax = 4096;
constexpr int kMaxFrames = 128;
constexpr unsigned kHandlerLimitSeconds = 10;
const int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

char g_dumpDir[kPathMax];
char g_program[kPathMax];
long g_utcOffset = 0;
char g_altStack[64 * 1024];

size_t cstrlen(const char *s)
{
    size_t n = 0;
    while (s[n])
        ++n;
    return n;
}

void writeAll(int fd, const char *data, size_t length)
{
    while (length > 0) {
        const ssize_t n = ::write(fd, data, length);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        data += n;
        length -= static_cast<size_t>(n);
    }
}

void writeText(int fd, const char *text)
{
    writeAll(fd, text, cstrlen(text));
}

void writeNumber(int fd, unsigned long long value, unsigned base)
{
    char digits[32];
    int i = sizeof(digits);
    do {
        digits[--i] = "0123456789abcdef"[value % base];
        value /= base;
    } while (value && i > 0);
    writeAll(fd, digits + i, sizeof(digits) - i);
}

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGABRT: return "SIGABRT";
    default: return "?";
    }
}

// Appends two decimal digits (or four for the year) to p.
char *putDigits(char *p, long value, int width)
{
    for (int i = width - 1; i >= 0; --i) {
        p[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return p + width;
}

void copyMemoryMap(int out)
{
    const int in = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        writeAll(out, buffer, static_cast<size_t>(n));
    }
    ::close(in);
}

void startReporter(const char *dumpPath)
{
    if (!g_program[0])
        return;
    // Not the library's fork(): it runs the fork handlers and takes the
    // allocator's locks, and the thread this signal interrupted may hold one
    // of them, which hung the dying process for ever. The bare system call
    // takes no lock; the child only makes system calls before exec.
#ifdef SYS_fork
    const pid_t child = static_cast<pid_t>(::syscall(SYS_fork));
#else
    const pid_t child = static_cast<pid_t>(::syscall(SYS_clone, SIGCHLD, 0, 0, 0, 0));
#endif
    if (child != 0)
        return; // the parent goes on dying; the reporter is adopted by init
    // Detach from the dying process's group so that its end doesn't take the
    // reporter with it.
    ::setsid();
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    char *const argv[] = {g_program, const_cast<char *>(kReportArgument), const_cast<char *>(dumpPath), nullptr};
    ::execv(g_program, argv);
    ::_exit(127);
}

void handler(int sig, siginfo_t *info, void *)
{
    // Should anything below still block on a lock the interrupted code held
    // (the unwinder's, say), the process ends anyway instead of hanging.
    struct sigaction alarmDefault;
    std::memset(&alarmDefault, 0, sizeof(alarmDefault));
    alarmDefault.sa_handler = SIG_DFL;
    sigemptyset(&alarmDefault.sa_mask);
    ::sigaction(SIGALRM, &alarmDefault, nullptr);
    sigset_t alarmOnly;
    sigemptyset(&alarmOnly);
    sigaddset(&alarmOnly, SIGALRM);
    ::pthread_sigmask(SIG_UNBLOCK, &alarmOnly, nullptr);
    ::alarm(kHandlerLimitSeconds);

    char path[kPathMax + 32];
    size_t dirLength = cstrlen(g_dumpDir);
    std::memcpy(path, g_dumpDir, dirLength + 1);

    // Create the folders one level at a time.
    for (size_t i = 1; i <= dirLength; ++i) {
        if (path[i] == '/' || path[i] == '\0') {
            const char saved = path[i];
            path[i] = '\0';
            ::mkdir(path, 0700);
            path[i] = saved;
        }
    }
    path[dirLength] = '/';
    const int nameLength = formatDumpName(static_cast<long long>(::time(nullptr)), g_utcOffset, path + dirLength + 1);
    path[dirLength + 1 + nameLength] = '\0';

    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
        writeText(fd, "vardex-keyboard crash report\nsignal: ");
        writeNumber(fd, static_cast<unsigned>(sig), 10);
        writeText(fd, " (");
        writeText(fd, signalName(sig));
        writeText(fd, ")\naddress: 0x");
        writeNumber(fd, reinterpret_cast<unsigned long long>(info ? info->si_addr : nullptr), 16);
        writeText(fd, "\nsender pid: ");
        writeNumber(fd, info ? static_cast<unsigned long long>(info->si_pid) : 0ULL, 10);
        writeText(fd, "\n\nbacktrace:\n");
        void *frames[kMaxFrames];
        const int count = ::backtrace(frames, kMaxFrames);
        ::backtrace_symbols_fd(frames, count, fd);
        writeText(fd, "\nmemory map:\n");
        copyMemoryMap(fd);
        ::fsync(fd);
        ::close(fd);
    }

    startReporter(path);

    // End with the default action: a fault repeats on return, a sent signal
    // is delivered again once the handler returns.
    struct sigaction fallback;
    std::memset(&fallback, 0, sizeof(fallback));
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    ::sigaction(sig, &fallback, nullptr);
    ::raise(sig);
}

bool copyPath(char *buffer, const QString &path)
{
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.size() >= kPathMax - 64)
        return false;
    std::memcpy(buffer, bytes.constData(), static_cast<size_t>(bytes.size()) + 1);
    return true;
}

} // namespace

int formatDumpName(long long t, long utcOffsetSeconds, char *out)
{
    t += utcOffsetSeconds;
    long long days = t / 86400;
    long long secs = t % 86400;
    if (secs < 0) {
        secs += 86400;
        --days;
    }
    // Civil date from days since 1970-01-01 (proleptic Gregorian).
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long doe = days - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long year = yoe + era * 400;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long day = doy - (153 * mp + 2) / 5 + 1;
    const long long month = mp < 10 ? mp + 3 : mp - 9;
    if (month <= 2)
        ++year;

    char *p = out;
    p = putDigits(p, static_cast<long>(year), 4);
    *p++ = '_';
    p = putDigits(p, static_cast<long>(month), 2);
    *p++ = '_';
    p = putDigits(p, static_cast<long>(day), 2);
    *p++ = '_';
    p = putDigits(p, static_cast<long>(secs / 3600), 2);
    *p++ = '_';
    p = putDigits(p, static_cast<long>(secs / 60 % 60), 2);
    *p++ = '_';
    p = putDigits(p, static_cast<long>(secs % 60), 2);
    std::memcpy(p, ".dmp", 5);
    return static_cast<int>(p - out) + 4;
}

bool install(const QString &dumpDir, const QString &program)
{
    if (!copyPath(g_dumpDir, dumpDir))
        return false;
    if (program.isEmpty() || !copyPath(g_program, program))
        g_program[0] = '\0';

    // The offset of local time now; a crash after a daylight-saving change is
    // named an hour off, which is the price of not calling localtime in the
    // handler.
    const time_t now = ::time(nullptr);
    struct tm local;
    if (::localtime_r(&now, &local))
        g_utcOffset = local.tm_gmtoff;

    // The first backtrace() loads the unwinder; do it here, not in a handler.
    void *warmUp[4];
    ::backtrace(warmUp, 4);

    stack_t stack;
    std::memset(&stack, 0, sizeof(stack));
    stack.ss_sp = g_altStack;
    stack.ss_size = sizeof(g_altStack);
    if (::sigaltstack(&stack, nullptr) != 0)
        return false;

    struct sigaction action;
    std::memset(&action, 0, sizeof(action));
    action.sa_sigaction = handler;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    bool ok = true;
    for (int sig : kSignals)
        ok = ::sigaction(sig, &action, nullptr) == 0 && ok;
    return ok;
}

int showReport(const QString &dumpFile)
{
    Q_UNUSED(dumpFile)
    QMessageBox box(QMessageBox::Critical, QObject::tr("Software exit"),
                    QStringLiteral("<FONT size=3><div><b>%1</b></div>")
                        .arg(QObject::tr("Conflict, software out of operation!")),
                    QMessageBox::Ok);
    box.exec();
    return 0;
}

} // namespace crashDump
