#include "common/running_program.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __APPLE__
#include <libproc.h>
#endif

#include "common/files.h"

namespace qc {

namespace {

// The kernel's record of the running program.
bool runningProgramStat(struct stat& st) {
#ifdef __APPLE__
    char path[PROC_PIDPATHINFO_MAXSIZE];
    if (proc_pidpath(getpid(), path, sizeof path) <= 0) return false;
    return stat(path, &st) == 0;
#else
    return stat("/proc/self/exe", &st) == 0;
#endif
}

}  // namespace

std::optional<std::string> readRunningProgram(const std::string& path) {
    struct stat running;
    if (!runningProgramStat(running)) return std::nullopt;
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st;
    std::optional<std::string> bytes;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_dev == running.st_dev && st.st_ino == running.st_ino)
        bytes = readOpenFile(fd, st);
    close(fd);
    return bytes;
}

}  // namespace qc
