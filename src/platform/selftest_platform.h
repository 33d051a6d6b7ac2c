// Test mode's platform, for an ordinary user with a private test root: the
// time settings live in a property-list store under the root, sntp is the
// stand-in the environment names and gets the server alone, the clock is a
// file, nothing is given to another owner, the user acts as root would, and
// the jobs get the test root in their environment. chown, chmod and xattr
// run as on a Mac, and fail harmlessly for an ordinary user.
#pragma once

#include "common/paths.h"
#include "common/plist.h"
#include "platform/file_programs.h"
#include "platform/platform.h"

namespace qc {

class SelfTestPlatform : public Platform {
public:
    // Without a test root, the files stand nowhere and nothing is read.
    explicit SelfTestPlatform(TestModePaths paths = {}, Runner runner = run)
        : paths_(std::move(paths)), run_(std::move(runner)) {}

    std::optional<std::string> currentTimeServer() override;
    Status setTimeServer(const std::string& host) override;
    std::optional<bool> usingNetworkTime() override;
    Status setUsingNetworkTime(bool on) override;
    RunResult runSntp(const std::string& server) override;
    Result<std::string> setClock(int64_t seconds, const std::string& text) override;
    Status setOwner(const std::string& path, uid_t uid, gid_t gid) override;
    Status giveToRootWheel(const std::string& path, const std::string& mode) override;
    Status changeMode(const std::string& path, const std::string& mode) override;
    Status clearQuarantine(const std::string& path) override;
    bool actsAsRoot() override;
    std::optional<std::map<std::string, std::string>> testEnvironment() override;

private:
    // The store as a dictionary (empty when missing or unreadable).
    Plist fakeSettings();
    // Writes one key into the store, keeping the others; takes ownership of value.
    Status setFakeSetting(const char* key, plist_t value);

    TestModePaths paths_;
    Runner run_;
};

}  // namespace qc
