#include "standin_io.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace standin {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

void writeLine(int fd, std::string_view line) {
    std::string text(line);
    text += '\n';
    (void)writeAll(fd, text);
}

}  // namespace

bool ensureSharedDir(const std::string& path) {
    if (mkdir(path.c_str(), 0777) == 0) {
        (void)chmod(path.c_str(), 0777);  // the umask of whoever came first must not lock others out
        return true;
    }
    struct stat st {};
    return errno == EEXIST && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void logCall(const std::string& dir, int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    line += '\n';
    const std::string path = dir + "/calls.log";
    int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0) return;
    (void)fchmod(fd, 0666);  // fails harmlessly when another user created it
    // One write per line: O_APPEND keeps parallel callers' lines whole.
    (void)write(fd, line.data(), line.size());
    close(fd);
}

std::optional<std::string> readSmallFile(const std::string& path, size_t maxBytes, struct stat* info) {
    // O_NONBLOCK: a FIFO put in place of the file must not hang us.
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return std::nullopt;
    }
    if (info) *info = st;
    std::string data;
    char buf[16384];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || data.size() + static_cast<size_t>(n) > maxBytes) {
            close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        data.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    return data;
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

bool writeFileAtomic(const std::string& path, std::string_view bytes, mode_t mode) {
    const std::string tmp = path + ".tmp." + std::to_string(getpid());
    int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes) && fsync(fd) == 0 && fchmod(fd, mode) == 0;
    ok = close(fd) == 0 && ok;
    if (ok && rename(tmp.c_str(), path.c_str()) == 0) return true;
    (void)unlink(tmp.c_str());
    return false;
}

std::optional<long long> parseInteger(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    long long value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

bool pathExists(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0;
}

void outLine(std::string_view line) {
    writeLine(STDOUT_FILENO, line);
}
void errLine(std::string_view line) {
    writeLine(STDERR_FILENO, line);
}

}  // namespace standin
