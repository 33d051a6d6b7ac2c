#include "common/files.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qc {

bool pathExists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

std::optional<std::string> readOpenFile(int fd, const struct stat& st, size_t maxBytes) {
    if (static_cast<uintmax_t>(st.st_size) > maxBytes) return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<size_t>(st.st_size));
    char buffer[16384];
    for (;;) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return bytes;
        if (static_cast<size_t>(n) > maxBytes - bytes.size()) return std::nullopt;
        bytes.append(buffer, static_cast<size_t>(n));
    }
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

namespace {

// Up to count bytes from the offset; absent on a read error.
std::optional<std::string> readAt(int fd, off_t offset, size_t count) {
    std::string bytes(count, '\0');
    size_t got = 0;
    while (got < count) {
        ssize_t n = pread(fd, bytes.data() + got, count - got, offset + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

// What read makes of the file at path, if it is a regular file. The open does
// not block, so a FIFO put in the file's place cannot stall it.
template <typename Read>
std::optional<std::string> withRegularFile(const std::string& path, Read read) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st;
    std::optional<std::string> bytes;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) bytes = read(fd, st);
    close(fd);
    return bytes;
}

// On a Mac a file's owner can mark it immutable or append-only (chflags uchg,
// uappnd), and then even root cannot delete it; root may clear the flags.
// Callers go on either way: a flag that stays makes the deletion fail.
Status clearUserFlags([[maybe_unused]] int dir, [[maybe_unused]] const char* name) {
#ifdef __APPLE__
    int fd = openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return Error{strerror(errno)};
    struct stat st;
    int error = 0;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && (st.st_flags & (UF_IMMUTABLE | UF_APPEND)) &&
        fchflags(fd, st.st_flags & ~static_cast<unsigned>(UF_IMMUTABLE | UF_APPEND)) != 0)
        error = errno;
    close(fd);
    if (error) return Error{strerror(error)};
#endif
    return {};
}

// Deepest folder the tree walk enters; the state folder holds no folders.
constexpr int kMaxTreeDepth = 16;

// Deletes what the open directory holds, best effort: an entry that cannot
// go is passed over and the first such failure returned. Each entry is first
// unlinked as a file (unlink never takes a folder); only what then opens as
// a directory without following a link is entered, through its descriptor.
Status emptyDirectory(int dir, int depth) {
    int listed = dup(dir);
    DIR* listing = listed < 0 ? nullptr : fdopendir(listed);
    if (!listing) {
        if (listed >= 0) close(listed);
        return Error{strerror(errno)};
    }
    Status emptied;
    auto failed = [&](int error) {
        if (emptied) emptied = Error{strerror(error)};
    };
    while (dirent* entry = readdir(listing)) {
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        (void)clearUserFlags(dir, name);  // a flag that stays shows as the unlink's failure
        if (unlinkat(dir, name, 0) == 0) continue;
        int sub = depth < kMaxTreeDepth ? openat(dir, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC) : -1;
        if (sub < 0) {
            failed(errno);
            continue;
        }
        Status inner = emptyDirectory(sub, depth + 1);
        close(sub);
        if (!inner) failed(ENOTEMPTY);
        if (unlinkat(dir, name, AT_REMOVEDIR) != 0) failed(errno);
    }
    closedir(listing);
    return emptied;
}

}  // namespace

std::optional<std::string> readRegularFile(const std::string& path, size_t maxBytes) {
    return withRegularFile(path, [&](int fd, const struct stat& st) { return readOpenFile(fd, st, maxBytes); });
}

std::optional<std::string> readRegularFileTail(const std::string& path, size_t lastBytes) {
    return withRegularFile(path, [&](int fd, const struct stat& st) {
        auto size = static_cast<uintmax_t>(st.st_size);
        off_t from = size > lastBytes ? static_cast<off_t>(size - lastBytes) : 0;
        return readAt(fd, from, static_cast<size_t>(size - static_cast<uintmax_t>(from)));
    });
}

Status makeDirectories(const std::string& path) {
    struct stat st;
    if (stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return {};
        return Error{strerror(EEXIST)};
    }
    std::string parent = parentDirectory(path);
    if (!parent.empty() && parent != path) {
        if (Status made = makeDirectories(parent); !made) return made;
    }
    if (mkdir(path.c_str(), 0777) != 0 && errno != EEXIST) return Error{strerror(errno)};
    if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return Error{strerror(ENOTDIR)};
    return {};
}

std::string parentDirectory(const std::string& path) {
    std::string p = path;
    while (p.size() > 1 && p.back() == '/') p.pop_back();
    size_t slash = p.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return p.substr(0, slash);
}

Status removeFile(const std::string& path) {
    (void)clearUserFlags(AT_FDCWD, path.c_str());
    if (unlink(path.c_str()) != 0) return Error{strerror(errno)};
    return {};
}

Status removeTree(const std::string& path) {
    int dir = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0) return Error{strerror(errno)};
    // What could not be emptied keeps the folder, and rmdir says so.
    (void)emptyDirectory(dir, 0);
    close(dir);
    // rmdir takes neither a file nor a link put in the folder's place.
    if (rmdir(path.c_str()) != 0) return Error{strerror(errno)};
    return {};
}

Status createEmptyFile(const std::string& path, mode_t mode) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return Error{strerror(errno)};
    close(fd);
    return {};
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
