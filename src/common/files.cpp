#include "common/files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/atomic_write.h"

namespace qc {

bool pathExists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

namespace {

// Everything left to read from an open regular file.
std::optional<std::string> readAll(int fd, const struct stat& st) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[16384];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return bytes;
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

}  // namespace

std::optional<std::string> readRegularFile(const std::string& path) {
    // Non-blocking, so a FIFO put in the file's place cannot stall the open.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st;
    std::optional<std::string> bytes;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) bytes = readAll(fd, st);
    close(fd);
    return bytes;
}

std::optional<std::string> makeDirectories(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return std::nullopt;
        return std::string(strerror(EEXIST));
    }
    std::string parent = parentDirectory(path);
    if (!parent.empty() && parent != path) {
        if (auto error = makeDirectories(parent)) return error;
    }
    if (mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) return std::string(strerror(errno));
    if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::string(strerror(ENOTDIR));
    return std::nullopt;
}

std::string parentDirectory(const std::string& path) {
    std::string p = path;
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    size_t slash = p.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return p.substr(0, slash);
}

bool removeFile(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) return false;
    if (S_ISDIR(st.st_mode)) {
        removeTree(path);
        return !pathExists(path);
    }
    return unlink(path.c_str()) == 0;
}

void removeTree(const std::string& path) {
    auto removeOne = [](const char* p, const struct stat*, int flag, struct FTW*) {
        if (flag == FTW_DP) (void)rmdir(p);
        else (void)unlink(p);
        return 0;
    };
    (void)nftw(path.c_str(), removeOne, 16, FTW_DEPTH | FTW_PHYS);
}

std::optional<std::string> copyFile(const std::string& from, const std::string& to) {
    int fd = open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::string(strerror(errno));
    struct stat st;
    std::optional<std::string> bytes;
    int error = fstat(fd, &st) != 0 ? errno : !S_ISREG(st.st_mode) ? EINVAL : 0;
    if (!error && !(bytes = readAll(fd, st))) error = errno;
    close(fd);
    if (error) return std::string(strerror(error));
    // Written whole beside the target and renamed over it: a run racing this
    // one never finds a half-copied program, nor a file in the way.
    WriteResult written = atomicWrite(to, *bytes, st.st_mode & 07777);
    if (!written.ok) return written.error;
    return std::nullopt;
}

bool createEmptyFile(const std::string& path, mode_t mode) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return false;
    close(fd);
    return true;
}

mode_t defaultFileMode() {
    static const mode_t mode = [] {
        mode_t mask = umask(0);
        umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

}  // namespace qc
