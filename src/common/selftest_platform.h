// Test mode's platform, for an ordinary user with a private test root: the
// time settings live in a property-list store under the root, sntp is the
// stand-in the environment names and gets the server alone, the clock is a
// file, and nothing is given to another owner. chown, chmod and xattr still
// run, as on a Mac, and fail harmlessly for an ordinary user.
#pragma once

#include "common/mac_platform.h"
#include "common/plist.h"

namespace qc {

class SelfTestPlatform : public MacPlatform {
public:
    using MacPlatform::MacPlatform;

    std::optional<std::string> currentTimeServer() override;
    Status setTimeServer(const std::string& host) override;
    std::optional<bool> usingNetworkTime() override;
    Status setUsingNetworkTime(bool on) override;
    RunResult runSntp(const std::string& server) override;
    Result<std::string> setClock(int64_t seconds, const std::string& text) override;
    Status setOwner(const std::string& path, uid_t uid, gid_t gid) override;
};

// The store as a dictionary (empty when missing or unreadable).
Plist fakeSettings();
// Writes one key into the store, keeping the others; takes ownership of value.
Status setFakeSetting(const char* key, plist_t value);

}  // namespace qc
