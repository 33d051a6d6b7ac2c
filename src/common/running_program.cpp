#include "common/running_program.h"

#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __APPLE__
#include <cstdint>
#include <libproc.h>
#include <mach-o/dyld.h>
#endif

#include "common/files.h"

namespace qc {

std::optional<FileIdentity> fileIdentity(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino};
}

std::optional<FileIdentity> runningProgramIdentity() {
#ifdef __APPLE__
    // The file the main image's code is mapped from, as the kernel holds
    // it: renaming another file into the program's place changes what its
    // path names, not this.
    const auto start = reinterpret_cast<uint64_t>(_dyld_get_image_header(0));
    proc_regionwithpathinfo region{};
    if (!start || proc_pidinfo(getpid(), PROC_PIDREGIONPATHINFO, start, &region, sizeof region) != sizeof region)
        return std::nullopt;
    if (start < region.prp_prinfo.pri_address || start - region.prp_prinfo.pri_address >= region.prp_prinfo.pri_size)
        return std::nullopt;
    const vinfo_stat& file = region.prp_vip.vip_vi.vi_stat;
    return FileIdentity{static_cast<dev_t>(file.vst_dev), static_cast<ino_t>(file.vst_ino)};
#else
    return fileIdentity("/proc/self/exe");
#endif
}

std::optional<std::string> runningProgramPath() {
#ifdef __APPLE__
    char path[PROC_PIDPATHINFO_MAXSIZE];
    if (proc_pidpath(getpid(), path, sizeof path) <= 0) return std::nullopt;
    return std::string(path);
#else
    char path[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path);
    if (n <= 0 || static_cast<size_t>(n) >= sizeof path) return std::nullopt;
    return std::string(path, static_cast<size_t>(n));
#endif
}

bool isRunningProgram(const FileIdentity& file, const FileIdentity& running) {
    return file.device == running.device && file.inode == running.inode;
}

std::optional<std::string> readRunningProgram(const std::string& path,
                                              const std::function<std::optional<FileIdentity>()>& running) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    const std::optional<FileIdentity> program = running();
    struct stat st;
    std::optional<std::string> bytes;
    if (program && fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && isRunningProgram({st.st_dev, st.st_ino}, *program))
        bytes = readOpenFile(fd, st);
    close(fd);
    return bytes;
}

std::string rerunPath(const std::string& selfPath) {
    const std::optional<FileIdentity> running = runningProgramIdentity(), self = fileIdentity(selfPath);
    if (running && self && isRunningProgram(*self, *running)) return selfPath;
    // Should the system not say either, the tool's own path is all there is.
    return runningProgramPath().value_or(selfPath);
}

}  // namespace qc
