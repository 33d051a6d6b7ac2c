#include "platform/selftest_platform.h"

#include "common/atomic_write.h"

namespace qc {

namespace {
constexpr const char* kServerKey = "timeServer";
constexpr const char* kUsingKey = "usingNetworkTime";
}  // namespace

Plist SelfTestPlatform::fakeSettings() {
    Plist store = readPlistDict(paths_.kFakeSettingsPath);
    return store ? std::move(store) : newDict();
}

Status SelfTestPlatform::setFakeSetting(const char* key, plist_t value) {
    // Read, change one key, write back whole: the other keys survive.
    Plist store = fakeSettings();
    plist_dict_set_item(store.get(), key, value);
    return atomicWrite(paths_.kFakeSettingsPath, toXml(store.get()));
}

std::optional<std::string> SelfTestPlatform::currentTimeServer() {
    return dictString(fakeSettings().get(), kServerKey);
}

Status SelfTestPlatform::setTimeServer(const std::string& host) {
    return setFakeSetting(kServerKey, plist_new_string(host.c_str()));
}

std::optional<bool> SelfTestPlatform::usingNetworkTime() {
    return dictBool(fakeSettings().get(), kUsingKey);
}

Status SelfTestPlatform::setUsingNetworkTime(bool on) {
    return setFakeSetting(kUsingKey, plist_new_bool(on ? 1 : 0));
}

RunResult SelfTestPlatform::runSntp(const std::string& server) {
    // Without -sS: the stand-in (or sntp itself) only asks, never sets.
    return run_(paths_.kSntpStandIn.value_or("/usr/bin/sntp"), {server});
}

Result<std::string> SelfTestPlatform::setClock(int64_t, const std::string& text) {
    // The clock is a file; one that cannot be written changes nothing of the answer.
    (void)atomicWrite(paths_.kFakeClockPath, text + "\n");
    return "clock set to " + text + " (self-test: not really)";
}

Status SelfTestPlatform::setOwner(const std::string&, uid_t, gid_t) {
    // Everything stays the caller's own.
    return {};
}

Status SelfTestPlatform::giveToRootWheel(const std::string& path, const std::string& mode) {
    return runGiveToRootWheel(run_, path, mode);
}

Status SelfTestPlatform::changeMode(const std::string& path, const std::string& mode) {
    return runChangeMode(run_, path, mode);
}

Status SelfTestPlatform::clearQuarantine(const std::string& path) {
    return runClearQuarantine(run_, path);
}

bool SelfTestPlatform::actsAsRoot() {
    return true;
}

std::optional<std::map<std::string, std::string>> SelfTestPlatform::testEnvironment() {
    std::map<std::string, std::string> environment{{"QUORVANDEL_CONNECT_TEST_ROOT", paths_.kTestRoot}};
    if (paths_.kSntpStandIn) environment["QUORVANDEL_CONNECT_TEST_SNTP"] = *paths_.kSntpStandIn;
    return environment;
}

}  // namespace qc
