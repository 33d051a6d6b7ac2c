#include "settime/request.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/atomic_write.h"
#include "common/clock.h"
#include "common/files.h"
#include "common/paths.h"
#include "common/utf8.h"
#include "settime/audit_record.h"
#include "settime/grant.h"
#include "settime/request_rules.h"
#include "settime/set_clock.h"

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

std::optional<RequestAnswer> serveRequest() {
    const Paths& t = paths();

    auto uid = grantedUser();
    if (!uid) return std::nullopt;

    // No link is followed, and a FIFO cannot hold the open.
    Descriptor request{open(t.kSetTimeRequestPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (request.fd < 0) return std::nullopt;
    struct stat st;
    if (fstat(request.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1 ||
        static_cast<int64_t>(st.st_uid) != *uid || st.st_size < 1 || st.st_size > static_cast<off_t>(kMaxRequestBytes))
        return std::nullopt;
    auto bytes = readRequestBytes(request.fd);
    if (!bytes) return std::nullopt;
    auto parsed = parseRequest(*bytes);
    if (!parsed) return std::nullopt;
    if (isAnsweredIn(*parsed, readRegularFile(t.kSetTimeResultPath, kMaxResultBytes))) return std::nullopt;

    // A command with controls in it is no time: refused, and shown escaped everywhere.
    const std::string command = escapeControls(parsed->command);
    const bool revoke = command == "revoke";
    auto answer = [&](const std::string& status, const std::string& words) {
        // An answer that cannot be written is lost; the log line still tells.
        (void)atomicWrite(t.kSetTimeResultPath, parsed->nonce + " " + status + " " + words + "\n", 0644);
        (void)chmod(t.kSetTimeResultPath.c_str(), 0644);
        // Not recorded when the folder is gone or full: status shows the older answers.
        (void)recordAnswer("request", *uid, status, revoke ? std::nullopt : std::optional(command));
        return RequestAnswer{*uid, status, words, status == "revoked"};
    };
    if (!isFresh(nowSeconds(), static_cast<int64_t>(st.st_mtime), kRequestFreshSeconds))
        return answer("refused", "the request was not made just now.");
    if (revoke) return answer("revoked", "this Mac asks for an administrator password again.");
    Result<std::string> set = setClock(command);
    return set ? answer("ok", *set) : answer("refused", set.error());
}

}  // namespace qc
