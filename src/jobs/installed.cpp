#include "jobs/installed.h"

#include "common/files.h"
#include "common/paths.h"
#include "common/platform.h"
#include "common/process.h"

namespace qc {

Status installProgram() {
    const Paths& p = paths();
    const std::string& installed = p.kInstalledBin;
    const std::string& self = p.kSelfPath;
    if (self != installed) {
        if (!pathExists(self))
            return Error{"error: can't locate this tool at " + self + ". Run install with its full path."};
        // The copy replaces an older one in a single rename: deleting that
        // first would leave a moment without a program, in which a second
        // install running at the same time finds nothing to try.
        Status copied = makeDirectories(p.kInstalledDir);
        if (copied) copied = copyProgram(self, installed);
        if (!copied) return Error{"error: could not install binary to " + installed + ": " + copied.error()};
    }
    // Their results are not looked at: the trial run below is the proof.
    (void)platform().giveToRootWheel(installed, "755");
    (void)platform().clearQuarantine(installed);

    // The jobs run this copy: prove that it starts.
    RunResult trial = run(installed, {"--help"});
    if (trial.code == 0) return {};
    return Error{"error: installed binary at " + installed + " did not execute (code " + std::to_string(trial.code) +
                 "). On an offline Mac, Gatekeeper may block it \u2014 run 'xattr -dr com.apple.quarantine " +
                 installed + "' and retry."};
}

}  // namespace qc
