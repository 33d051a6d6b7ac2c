#include "cli/console.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "cli/process.h"
#include "cli/table.h"

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

const std::string_view kUsageText =
    "Quorvandel Connect \u2014 point this Mac at a Quorvandel time server.\n"
    "\n"
    "This tool is not on the PATH. Run it by its full path:\n"
    "  in the app      /Applications/Quorvandel Connect.app/Contents/Helpers/quorvandel-connect\n"
    "  after setup     /Library/PrivilegedHelperTools/com.quorvandel.connect\n"
    "\n"
    "Usage:\n"
    "  quorvandel-connect discover\n"
    "  sudo quorvandel-connect install [--server <ip>] [--interval <sec>]\n"
    "  sudo quorvandel-connect remove\n"
    "  sudo quorvandel-connect sync --server <ip>\n"
    "  sudo quorvandel-connect set-time <2026-10-09T21:07:38Z> [--allow-user <id>]\n"
    "  sudo quorvandel-connect allow-set-time --user <id>\n"
    "  sudo quorvandel-connect forbid-set-time\n"
    "  quorvandel-connect status\n"
    "\n"
    "set-time sets this Mac's clock by hand (the time in UTC), never earlier than its\n"
    "last sync. allow-set-time lets one user do that from the Connect app without a\n"
    "password; forbid-set-time takes that away.\n";

void out(std::string_view text) {
    writeAll(STDOUT_FILENO, text);
}

void outln(std::string_view text) {
    writeLine(STDOUT_FILENO, text);
}

void errln(std::string_view text) {
    writeLine(STDERR_FILENO, text);
}

void usage() {
    writeAll(STDERR_FILENO, kUsageText);
}

bool isRoot() {
    return geteuid() == 0 || table().testMode();
}

void requireRoot(std::string_view hint) {
    if (isRoot()) return;
    errln("This needs root. Re-run with sudo, e.g.:");
    errln("  sudo \"" + selfPath() + "\" " + std::string(hint));
    finish(1);
}

void finish(int code) {
    std::exit(code);
}

}  // namespace qc
