#include "jobs/installed.h"

#include "common/files.h"
#include "common/ownership.h"
#include "common/paths.h"
#include "common/process.h"

namespace qc {

std::optional<std::string> installProgram() {
    const Paths& p = paths();
    const std::string& installed = p.kInstalledBin;
    const std::string& self = p.kSelfPath;
    if (self != installed) {
        if (!pathExists(self)) return "error: can't locate this tool at " + self + ". Run install with its full path.";
        // The copy replaces an older one in a single rename: deleting that
        // first would leave a moment without a program, in which a second
        // install running at the same time finds nothing to try.
        auto error = makeDirectories(p.kInstalledDir);
        if (!error) error = copyProgram(self, installed);
        if (error) return "error: could not install binary to " + installed + ": " + *error;
    }
    giveToRootWheel(installed, "755");
    (void)run("/usr/bin/xattr", {"-dr", "com.apple.quarantine", installed});

    // The jobs run this copy: prove that it starts.
    RunResult trial = run(installed, {"--help"});
    if (trial.code == 0) return std::nullopt;
    return "error: installed binary at " + installed + " did not execute (code " + std::to_string(trial.code) +
           "). On an offline Mac, Gatekeeper may block it \u2014 run 'xattr -dr com.apple.quarantine " + installed +
           "' and retry.";
}

}  // namespace qc
