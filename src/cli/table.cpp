#include "cli/table.h"

#include <utility>

namespace qc {

namespace {
Table gTable;
}

std::string Table::rooted(const std::string& path) const {
    return kTestRoot ? *kTestRoot + path : path;
}

Table buildTable(const TableInputs& in) {
    Table t;
    t.args = in.args;

    // Test mode is never on for root, and root's environment is not consulted.
    if (in.euid != 0) {
        auto root = in.getenv("QUORVANDEL_CONNECT_TEST_ROOT");
        if (root && !root->empty()) t.kTestRoot = *root;
    }
    if (t.kTestRoot) {
        auto domain = in.getenv("QUORVANDEL_CONNECT_TEST_DOMAIN");
        t.kDomain = domain ? *domain : "gui/" + std::to_string(in.ruid);
    } else {
        t.kDomain = "system";
    }
    const std::string suffix = t.kTestRoot ? ".selftest" : "";

    t.kLabel = "com.quorvandel.connect" + suffix;
    t.kPlistPath = t.rooted("/Library/LaunchDaemons/" + t.kLabel + ".plist");
    t.kInstalledDir = t.rooted("/Library/PrivilegedHelperTools");
    t.kInstalledBin = t.kInstalledDir + "/com.quorvandel.connect";
    t.kLegacyBin = t.rooted("/usr/local/sbin/quorvandel-connect");
    t.kStateDir = t.rooted("/Library/Application Support/Quorvandel Connect");
    t.kStatePath = t.kStateDir + "/before-setup.plist";
    t.kLogPath = t.rooted("/var/log/quorvandel-connect.log");
    t.kDefaultInterval = 1800;
    t.kSyncNowPath = t.kStateDir + "/sync-now";
    t.kLastSyncPath = t.kStateDir + "/last-sync";
    t.kSetTimeLabel = "com.quorvandel.connect.settime" + suffix;
    t.kSetTimePlistPath = t.rooted("/Library/LaunchDaemons/" + t.kSetTimeLabel + ".plist");
    t.kSetTimeRequestPath = t.kStateDir + "/set-time-request";
    t.kSetTimeGrantPath = t.kStateDir + "/set-time-grant.plist";
    t.kSetTimeResultPath = t.kStateDir + "/set-time-result";
    t.kRequestFreshSeconds = 30.0;
    t.kFakeClockPath = t.rooted("/clock-set-to");
    if (t.kTestRoot) {
        auto sntp = in.getenv("QUORVANDEL_CONNECT_TEST_SNTP");
        if (sntp && !sntp->empty()) t.kSntpStandIn = *sntp;
    }
    t.kResultTag = "quorvandel-connect-result:";
    t.kFakeSettingsPath = t.rooted("/system-time-settings.plist");
    t.cmd = in.args.size() < 2 ? "discover" : in.args[1];
    return t;
}

const Table& table() {
    return gTable;
}

void setTable(Table t) {
    gTable = std::move(t);
}

}  // namespace qc
