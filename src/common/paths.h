// Where everything lives: the launchd domain, the labels of the two jobs and
// every file path, with test mode deciding between the system's places and a
// private test root. Computed once at start, before the command runs, and
// only read afterwards.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>

namespace qc {

struct Paths {
    std::optional<std::string> kTestRoot;
    std::string kDomain;
    std::string kLabel;
    std::string kPlistPath;
    std::string kInstalledDir;
    std::string kInstalledBin;
    std::string kLegacyBin;
    std::string kStateDir;
    std::string kStatePath;
    std::string kLogPath;
    std::string kSyncNowPath;
    std::string kLastSyncPath;
    std::string kLastAttemptPath;
    std::string kSetTimeLabel;
    std::string kSetTimePlistPath;
    std::string kSetTimeRequestPath;
    std::string kSetTimeGrantPath;
    std::string kSetTimeResultPath;
    std::string kSetTimeAuditPath;
    // The running tool's own absolute path.
    std::string kSelfPath;

    // Moves a system path under the test root (plain concatenation).
    std::string rooted(const std::string& path) const;
    bool testMode() const { return kTestRoot.has_value(); }
};

// What the paths are computed from. getenv returns absent for a missing variable.
struct PathInputs {
    std::string programName;  // the first element of the argument vector
    std::string cwd;
    uid_t euid = 0;
    uid_t ruid = 0;
    std::function<std::optional<std::string>(const char*)> getenv;
};

Paths buildPaths(const PathInputs& in);

// What only test mode's platform uses: the files under the test root that
// stand for the Mac's clock and time settings, the record of what a Mac
// would be asked, and the program run in place of sntp, passed on to the
// jobs with the test root.
struct TestModePaths {
    std::string kTestRoot;
    std::string kFakeClockPath;
    std::optional<std::string> kSntpStandIn;
    std::string kFakeSettingsPath;
    std::string kMacCallsPath;
};
// Absent outside test mode.
std::optional<TestModePaths> testModePaths(const Paths& p, const PathInputs& in);

// The running tool's path as selfPath gives it: an absolute path stays as it
// is; a relative one is joined onto the working directory, and "." and ".."
// are resolved without looking at the file system.
std::string standardizedPath(const std::string& cwd, const std::string& path);

// The paths of this process, set once by main before the command runs.
const Paths& paths();
void setPaths(Paths p);

// Tests put other paths in place for the life of one of these.
class ScopedPaths {
public:
    explicit ScopedPaths(Paths p);
    ~ScopedPaths();
    ScopedPaths(const ScopedPaths&) = delete;
    ScopedPaths& operator=(const ScopedPaths&) = delete;

private:
    Paths saved_;
};

}  // namespace qc
