#include "discovery/unprivileged.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#ifndef __APPLE__
#include <sys/prctl.h>
#endif

#include "common/files.h"

namespace qc {

namespace {

// The child's one way out: the end of the pipe its answer goes to.
constexpr int kAnswerFd = 3;
// How the child ends when it could not drop root.
constexpr int kNotDropped = 70;

struct Account {
    uid_t uid;
    gid_t gid;
};

std::optional<Account> unprivilegedAccount() {
    const passwd* entry = getpwnam(kUnprivilegedUser);
    if (!entry || entry->pw_uid == 0 || entry->pw_gid == 0) return std::nullopt;
    return Account{entry->pw_uid, entry->pw_gid};
}

// Leaves open only a copy of answer at kAnswerFd, and /dev/null as standard
// input, output and error: nothing root had open reaches the child, and it
// cannot write to the administrator's terminal.
bool keepOnlyAnswer(int answer) {
    const int null = open("/dev/null", O_RDWR);
    // Above the descriptors that are replaced next, whichever answer was.
    const int copy = fcntl(answer, F_DUPFD, kAnswerFd + 1);
    if (null < 0 || copy < 0) return false;
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        if (dup2(null, fd) < 0) return false;
    if (dup2(copy, kAnswerFd) < 0) return false;
#ifndef __APPLE__
    if (close_range(kAnswerFd + 1, ~0U, 0) == 0) return true;
#endif
    for (int fd = kAnswerFd + 1, end = getdtablesize(); fd < end; ++fd) (void)close(fd);  // none open is fine
    return true;
}

// The child's whole file system becomes an empty folder, where there is one
// that only root can change; without it, the child goes on unconfined.
void shutInEmptyFolder() {
    struct stat st;
    if (lstat(kEmptyFolder, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != 0 || (st.st_mode & 022)) return;
    // The working folder is inside before the root moves, so none is left outside.
    if (chdir(kEmptyFolder) == 0) (void)chroot(".");
}

bool dropRoot(const Account& to) {
    if (setgroups(1, &to.gid) != 0 || setgid(to.gid) != 0 || setuid(to.uid) != 0) return false;
#ifndef __APPLE__
    // Nor can a program it starts gain anything (a setuid program included).
    if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0) return false;
#endif
    // Proof that root is gone for good, whatever the system let it keep.
    return setuid(0) != 0 && setgid(0) != 0 && getuid() == to.uid && geteuid() == to.uid && getgid() == to.gid &&
           getegid() == to.gid;
}

// The child never returns: it ends here, with _exit, so it runs none of the
// code that follows the fork in root's process, none of its exit handlers,
// and flushes none of its buffers. noexcept: an exception ends it too.
[[noreturn]] void runChild(const Account& to, int answer, const std::function<std::string()>& work) noexcept {
    if (!keepOnlyAnswer(answer)) _exit(kNotDropped);
    shutInEmptyFolder();
    if (!dropRoot(to)) _exit(kNotDropped);
    _exit(writeAll(kAnswerFd, work()) ? 0 : 1);
}

}  // namespace

Result<std::string> runUnprivileged(const std::function<std::string()>& work, size_t maxBytes) {
    const std::optional<Account> account = unprivilegedAccount();
    if (!account)
        return Error{std::string("discovery: no account \"") + kUnprivilegedUser +
                     "\" to listen as (root never listens)"};
    int ends[2];
    if (pipe(ends) != 0) return Error{std::string("discovery: ") + strerror(errno)};
    const pid_t child = fork();
    if (child == 0) runChild(*account, ends[1], work);
    const int forkError = errno;
    close(ends[1]);
    if (child < 0) {
        close(ends[0]);
        return Error{std::string("discovery: ") + strerror(forkError)};
    }

    struct stat st {};
    std::optional<std::string> answer = fstat(ends[0], &st) == 0 ? readOpenFile(ends[0], st, maxBytes) : std::nullopt;
    close(ends[0]);
    if (!answer) (void)kill(child, SIGKILL);  // it sent more than any answer holds
    // Should the child not be waited for (an invoker that ignores SIGCHLD),
    // what it sent still has to pass every check of its reader.
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == kNotDropped)
        return Error{"discovery: could not give up root to listen (root never listens)"};
    if (!answer || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return Error{"discovery: the process that listens failed; nothing it sent was used"};
    return std::move(*answer);
}

}  // namespace qc
