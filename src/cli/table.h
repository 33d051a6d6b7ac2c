// The process-wide table of paths, labels and constants, computed once at
// start (test mode first) and only read afterwards.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace qc {

struct Table {
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
    int64_t kDefaultInterval = 1800;
    std::string kSyncNowPath;
    std::string kLastSyncPath;
    std::string kSetTimeLabel;
    std::string kSetTimePlistPath;
    std::string kSetTimeRequestPath;
    std::string kSetTimeGrantPath;
    std::string kSetTimeResultPath;
    double kRequestFreshSeconds = 30.0;
    std::string kFakeClockPath;
    std::optional<std::string> kSntpStandIn;
    std::string kResultTag;
    std::string kFakeSettingsPath;
    std::string cmd;

    // The whole argument vector, program name first; options are read from it.
    std::vector<std::string> args;

    // Moves a system path under the test root (plain concatenation).
    std::string rooted(const std::string& path) const;
    bool testMode() const { return kTestRoot.has_value(); }
};

// What the table is computed from. getenv returns absent for a missing variable.
struct TableInputs {
    std::vector<std::string> args;
    uid_t euid = 0;
    uid_t ruid = 0;
    std::function<std::optional<std::string>(const char*)> getenv;
};

Table buildTable(const TableInputs& in);

// The table of this process. setTable is called once, by main, before dispatch.
const Table& table();
void setTable(Table t);

}  // namespace qc
