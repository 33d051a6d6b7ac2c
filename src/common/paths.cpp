#include "common/paths.h"

#include <utility>
#include <vector>

namespace qc {

namespace {
Paths gPaths;
}

std::string Paths::rooted(const std::string& path) const {
    return kTestRoot ? *kTestRoot + path : path;
}

std::string standardizedPath(const std::string& cwd, const std::string& path) {
    if (!path.empty() && path.front() == '/') return path;
    std::string joined = cwd + "/" + path;
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= joined.size()) {
        size_t end = joined.find('/', start);
        if (end == std::string::npos) end = joined.size();
        std::string part = joined.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(std::move(part));
        }
        start = end + 1;
    }
    std::string result;
    for (const auto& part : parts) result += "/" + part;
    return result.empty() ? "/" : result;
}

Paths buildPaths(const PathInputs& in) {
    Paths p;
    // Test mode is never on for root, and root's environment is not consulted.
    if (in.euid != 0) {
        auto root = in.getenv("QUORVANDEL_CONNECT_TEST_ROOT");
        if (root && !root->empty()) p.kTestRoot = *root;
    }
    if (p.kTestRoot) {
        auto domain = in.getenv("QUORVANDEL_CONNECT_TEST_DOMAIN");
        p.kDomain = domain ? *domain : "gui/" + std::to_string(in.ruid);
    } else {
        p.kDomain = "system";
    }
    const std::string suffix = p.kTestRoot ? ".selftest" : "";

    p.kLabel = "com.quorvandel.connect" + suffix;
    p.kPlistPath = p.rooted("/Library/LaunchDaemons/" + p.kLabel + ".plist");
    p.kInstalledDir = p.rooted("/Library/PrivilegedHelperTools");
    p.kInstalledBin = p.kInstalledDir + "/com.quorvandel.connect";
    p.kLegacyBin = p.rooted("/usr/local/sbin/quorvandel-connect");
    p.kStateDir = p.rooted("/Library/Application Support/Quorvandel Connect");
    p.kStatePath = p.kStateDir + "/before-setup.plist";
    p.kLogPath = p.rooted("/var/log/quorvandel-connect.log");
    p.kSyncNowPath = p.kStateDir + "/sync-now";
    p.kLastSyncPath = p.kStateDir + "/last-sync";
    p.kLastAttemptPath = p.kStateDir + "/last-attempt.plist";
    p.kSetTimeLabel = "com.quorvandel.connect.settime" + suffix;
    p.kSetTimePlistPath = p.rooted("/Library/LaunchDaemons/" + p.kSetTimeLabel + ".plist");
    p.kSetTimeRequestPath = p.kStateDir + "/set-time-request";
    p.kSetTimeGrantPath = p.kStateDir + "/set-time-grant.plist";
    p.kSetTimeResultPath = p.kStateDir + "/set-time-result";
    p.kSetTimeAuditPath = p.kStateDir + "/set-time-audit.plist";
    p.kSelfPath = standardizedPath(in.cwd, in.programName);
    return p;
}

std::optional<TestModePaths> testModePaths(const Paths& p, const PathInputs& in) {
    if (!p.testMode()) return std::nullopt;
    TestModePaths t{*p.kTestRoot, p.rooted("/clock-set-to"), std::nullopt, p.rooted("/system-time-settings.plist"),
                    p.rooted("/mac-calls")};
    auto sntp = in.getenv("QUORVANDEL_CONNECT_TEST_SNTP");
    if (sntp && !sntp->empty()) t.kSntpStandIn = *sntp;
    return t;
}

const Paths& paths() {
    return gPaths;
}

void setPaths(Paths p) {
    gPaths = std::move(p);
}

ScopedPaths::ScopedPaths(Paths p) : saved_(std::exchange(gPaths, std::move(p))) {}

ScopedPaths::~ScopedPaths() {
    gPaths = std::move(saved_);
}

}  // namespace qc
