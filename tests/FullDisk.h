#pragma once
// Saving on a disk that is really full: /dev/full, which takes nothing, and a child process
// whose files may not grow beyond a number of bytes (RLIMIT_FSIZE). SIGXFSZ is ignored
// there, so the write that crosses the limit comes back short and the next one fails with
// EFBIG, as a full disk cuts a file off.
#include <csignal>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace FullDisk {

struct TOutcome {
    bool Saved = false;  // the child ended saying it saved
    std::string Message; // what it was told instead
};

// Runs save in a child limited to limit bytes per file; save returns the failure message it
// was given, empty when it saved. Nothing of the test framework may be used inside save.
inline TOutcome SaveUnderLimit(rlim_t limit, const std::function<std::string()>& save) {
    int channel[2];
    if (::pipe(channel) != 0) return {false, "no pipe"};
    if (::fork() == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit cap{limit, limit};
        const std::string message = ::setrlimit(RLIMIT_FSIZE, &cap) == 0 ? save() : "no limit";
        const bool sent = ::write(channel[1], message.data(), message.size()) >= 0;
        ::_exit(message.empty() && sent ? 0 : 1); // no destructors, no test framework at exit
    }
    ::close(channel[1]);
    TOutcome outcome;
    char buffer[512];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        outcome.Message.append(buffer, static_cast<std::size_t>(n));
    ::close(channel[0]);
    int status = 0;
    ::wait(&status);
    outcome.Saved = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return outcome;
}

// Whether /dev/full is still the device after a test saved into it. A writer that renames
// over its target would put a file there, as root; the device is then made again.
inline bool DevFullStaysADevice() {
    struct stat info {};
    if (::stat("/dev/full", &info) == 0 && S_ISCHR(info.st_mode)) return true;
    if (::geteuid() == 0 && ::unlink("/dev/full") == 0 &&
        ::mknod("/dev/full", S_IFCHR | 0666, makedev(1, 7)) == 0)
        ::chmod("/dev/full", 0666);
    return false;
}

} // namespace FullDisk
