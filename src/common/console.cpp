#include "common/console.h"

#include <string>
#include <unistd.h>

#include "common/files.h"

namespace qc {

namespace {

// One write per line, so lines of processes sharing a log never interleave.
void writeLine(int fd, std::string_view text) {
    std::string line;
    line.reserve(text.size() + 1);
    line.append(text);
    line += '\n';
    (void)writeAll(fd, line);  // a console that cannot be written has nowhere to say so
}

}  // namespace

void out(std::string_view text) {
    (void)writeAll(STDOUT_FILENO, text);
}

void outln(std::string_view text) {
    writeLine(STDOUT_FILENO, text);
}

void err(std::string_view text) {
    (void)writeAll(STDERR_FILENO, text);
}

void errln(std::string_view text) {
    writeLine(STDERR_FILENO, text);
}

void errorln(std::string_view what) {
    errln("error: " + std::string(what));
}

}  // namespace qc
