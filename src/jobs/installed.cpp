#include "jobs/installed.h"

#include <sys/stat.h>
#include <unistd.h>

#include "cli/console.h"
#include "cli/process.h"
#include "cli/table.h"
#include "common/files.h"

namespace qc {

void giveToRootWheel(const std::string& path, const char* mode) {
    (void)run("/usr/sbin/chown", {"root:wheel", path});
    (void)run("/bin/chmod", {mode, path});
}

void installProgram() {
    const Table& t = table();
    const std::string& installed = t.kInstalledBin;
    const std::string self = selfPath();
    if (self != installed) {
        if (!pathExists(self)) {
            errln("error: can't locate this tool at " + self + ". Run install with its full path.");
            finish(1);
        }
        auto fail = [&](const std::string& reason) {
            errln("error: could not install binary to " + installed + ": " + reason);
            finish(1);
        };
        if (auto error = makeDirectories(t.kInstalledDir)) fail(*error);
        (void)removeFile(installed);
        if (auto error = copyProgram(self, installed)) fail(*error);
    }
    giveToRootWheel(installed, "755");
    (void)run("/usr/bin/xattr", {"-dr", "com.apple.quarantine", installed});

    // The jobs run this copy: prove that it starts.
    RunResult trial = run(installed, {"--help"});
    if (trial.code == 0) return;
    errln("error: installed binary at " + installed + " did not execute (code " + std::to_string(trial.code) +
          "). On an offline Mac, Gatekeeper may block it \u2014 run 'xattr -dr com.apple.quarantine " + installed +
          "' and retry.");
    finish(1);
}

void ensureStateDir() {
    const Table& t = table();
    (void)makeDirectories(t.kStateDir);
    if (!t.testMode()) (void)chown(t.kStateDir.c_str(), 0, 0);
    (void)chmod(t.kStateDir.c_str(), 0755);
}

}  // namespace qc
