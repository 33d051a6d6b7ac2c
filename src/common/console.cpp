#include "common/console.h"

#include <cerrno>
#include <string>
#include <unistd.h>

namespace qc {

namespace {

void writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        ssize_t n = write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        text.remove_prefix(static_cast<size_t>(n));
    }
}

// One write per line, so lines of processes sharing a log never interleave.
void writeLine(int fd, std::string_view text) {
    std::string line;
    line.reserve(text.size() + 1);
    line.append(text);
    line += '\n';
    writeAll(fd, line);
}

}  // namespace

void out(std::string_view text) {
    writeAll(STDOUT_FILENO, text);
}

void outln(std::string_view text) {
    writeLine(STDOUT_FILENO, text);
}

void err(std::string_view text) {
    writeAll(STDERR_FILENO, text);
}

void errln(std::string_view text) {
    writeLine(STDERR_FILENO, text);
}

void errorln(std::string_view what) {
    errln("error: " + std::string(what));
}

}  // namespace qc
