#include "jobs/installed.h"

#include "common/atomic_write.h"
#include "common/files.h"
#include "common/paths.h"
#include "common/process.h"
#include "common/running_program.h"
#include "platform/platform.h"

namespace qc {

Status installProgram() {
    const Paths& p = paths();
    const std::string& installed = p.kInstalledBin;
    const std::string& self = p.kSelfPath;
    if (self != installed) {
        // Only the program that runs is copied, never a file someone left
        // by its name where it was started from; root would run it at once.
        auto program = readRunningProgram(self);
        if (!program) return Error{"can't locate this tool at " + self + ". Run install with its full path."};
        // The copy replaces an older one in a single rename: deleting that
        // first would leave a moment without a program, in which a second
        // install running at the same time finds nothing to try. It is made
        // owner-only and gets 0755 on its descriptor before the rename: no
        // setuid bit, no write for others, not even for a moment.
        Status copied = makeDirectories(p.kInstalledDir);
        if (copied) copied = atomicWrite(installed, *program, 0755);
        if (!copied) return Error{"could not install binary to " + installed + ": " + copied.error()};
    }
    // Their results are not looked at: the trial run below is the proof.
    (void)platform().giveToRootWheel(installed, "755");
    (void)platform().clearQuarantine(installed);

    // The jobs run this copy: prove that it starts.
    RunResult trial = run(installed, {"--help"});
    if (trial.code == 0) return {};
    return Error{"installed binary at " + installed + " did not execute (code " + std::to_string(trial.code) +
                 "). On an offline Mac, Gatekeeper may block it \u2014 run 'xattr -dr com.apple.quarantine " +
                 installed + "' and retry."};
}

}  // namespace qc
