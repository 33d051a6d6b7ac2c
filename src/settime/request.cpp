// The set-the-clock job: root acting on a file an ordinary user writes.
// Everything about the request is checked on the opened descriptor, and a
// request that fails a check of origin or form leaves no trace.
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/atomic_write.h"
#include "common/clock.h"
#include "common/console.h"
#include "common/files.h"
#include "common/paths.h"
#include "common/plist.h"
#include "common/time_text.h"
#include "settime/request_rules.h"
#include "settime/settime.h"

namespace qc {

namespace {

struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
};

// One read of at most the largest request; absent when nothing came.
std::optional<std::string> readRequestBytes(int fd) {
    char buffer[kMaxRequestBytes];
    ssize_t n;
    do {
        n = read(fd, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) return std::nullopt;
    return std::string(buffer, static_cast<size_t>(n));
}

}  // namespace

void cmdSetTimeFromRequest() {
    const Paths& t = paths();

    Plist grant = readPlistDict(t.kSetTimeGrantPath);
    auto uid = dictInteger(grant.get(), "uid");
    if (!uid) return;

    // No link is followed, and a FIFO cannot hold the open.
    Descriptor request{open(t.kSetTimeRequestPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (request.fd < 0) return;
    struct stat st;
    if (fstat(request.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1 ||
        static_cast<int64_t>(st.st_uid) != *uid || st.st_size < 1 || st.st_size > static_cast<off_t>(kMaxRequestBytes))
        return;
    auto bytes = readRequestBytes(request.fd);
    if (!bytes) return;
    auto parsed = parseRequest(*bytes);
    if (!parsed) return;
    if (isAnsweredIn(*parsed, readRegularFile(t.kSetTimeResultPath, kMaxResultBytes))) return;

    auto answer = [&](const std::string& status, const std::string& words) {
        (void)atomicWrite(t.kSetTimeResultPath, parsed->nonce + " " + status + " " + words + "\n", 0644);
        (void)chmod(t.kSetTimeResultPath.c_str(), 0644);
        outln(nowText() + " quorvandel-connect: set-time request from user " + std::to_string(*uid) + ": " + status +
              " " + words);
    };
    if (!isFresh(nowSeconds(), static_cast<int64_t>(st.st_mtime), kRequestFreshSeconds))
        return answer("refused", "the request was not made just now.");
    if (parsed->command == "revoke") {
        answer("revoked", "this Mac asks for an administrator password again.");
        return forbidSetTime(true);
    }
    ClockResult result = setClock(parsed->command);
    answer(result.ok ? "ok" : "refused", result.words);
}

}  // namespace qc
