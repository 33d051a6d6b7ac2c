#include "common/atomic_write.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/files.h"

namespace qc {

Status atomicWrite(const std::string& path, std::string_view bytes, std::optional<mode_t> mode) {
    size_t slash = path.rfind('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temp = parentDirectory(path) + "/." + base + ".XXXXXX";
    int fd = mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return Error{strerror(errno)};

    auto fail = [&](int error) {
        close(fd);
        (void)unlink(temp.c_str());
        return Error{strerror(error)};
    };
    if (!writeAll(fd, bytes)) return fail(errno);
    if (fsync(fd) != 0) return fail(errno);
    if (fchmod(fd, mode.value_or(defaultFileMode())) != 0) return fail(errno);
    if (close(fd) != 0) {
        int error = errno;
        (void)unlink(temp.c_str());
        return Error{strerror(error)};
    }
    if (rename(temp.c_str(), path.c_str()) != 0) {
        int error = errno;
        (void)unlink(temp.c_str());
        return Error{strerror(error)};
    }
    return {};
}

}  // namespace qc
