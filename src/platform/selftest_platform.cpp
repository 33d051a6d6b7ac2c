#include "platform/selftest_platform.h"

#include <fcntl.h>
#include <unistd.h>

#include "common/atomic_write.h"
#include "common/files.h"
#include "common/plist.h"

namespace qc {

namespace {

constexpr const char* kServerKey = "timeServer";
constexpr const char* kUsingKey = "usingNetworkTime";

class SelfTestPlatform : public Platform {
public:
    SelfTestPlatform(TestModePaths paths, Runner runner) : paths_(std::move(paths)), run_(std::move(runner)) {}

    std::optional<std::string> currentTimeServer() override { return dictString(fakeSettings().get(), kServerKey); }
    Status setTimeServer(const std::string& host) override {
        record({"systemsetup", "-setnetworktimeserver", host});
        return setFakeSetting(kServerKey, plist_new_string(host.c_str()));
    }
    std::optional<bool> usingNetworkTime() override { return dictBool(fakeSettings().get(), kUsingKey); }
    Status setUsingNetworkTime(bool on) override {
        record({"systemsetup", "-setusingnetworktime", on ? "on" : "off"});
        return setFakeSetting(kUsingKey, plist_new_bool(on ? 1 : 0));
    }

    RunResult runSntp(const std::string& server) override {
        // Without -sS: the stand-in (or sntp itself) only asks, never sets.
        return run_(paths_.kSntpStandIn.value_or("/usr/bin/sntp"), {server});
    }
    Result<std::string> setClock(int64_t seconds, const std::string& text) override {
        record({"settimeofday", std::to_string(seconds)});
        // The clock is a file; one that cannot be written changes nothing of the answer.
        (void)atomicWrite(paths_.kFakeClockPath, text + "\n");
        return "clock set to " + text + " (self-test: not really)";
    }

    // Everything stays the caller's own, and what a Mac would be asked is
    // recorded. The Mac's programs run all the same: they fail harmlessly
    // for an ordinary user, and chmod works on the caller's own files.
    Status setOwner(const std::string& path, uid_t uid, gid_t gid) override {
        record({"chown", std::to_string(uid) + ":" + std::to_string(gid), path});
        return {};
    }
    Status giveToRootWheel(const std::string& path, const std::string& mode) override {
        return runGiveToRootWheel(recordAndRun_, path, mode);
    }
    Status changeMode(const std::string& path, const std::string& mode) override {
        return runChangeMode(recordAndRun_, path, mode);
    }
    Status clearQuarantine(const std::string& path) override { return runClearQuarantine(recordAndRun_, path); }

    // An ordinary user with a test root acts as root would, and so do its jobs.
    bool actsAsRoot() override { return true; }
    std::optional<std::map<std::string, std::string>> testEnvironment() override {
        std::map<std::string, std::string> environment{{"QUORVANDEL_CONNECT_TEST_ROOT", paths_.kTestRoot}};
        if (paths_.kSntpStandIn) environment["QUORVANDEL_CONNECT_TEST_SNTP"] = *paths_.kSntpStandIn;
        return environment;
    }

private:
    // Appends one line of what a Mac would be asked to the record, with
    // paths relative to the test root: one write, so that the lines of a
    // job and a command running at once never mix.
    void record(std::vector<std::string> words) {
        if (paths_.kMacCallsPath.empty()) return;
        std::string line;
        for (std::string& word : words) {
            if (word.rfind(paths_.kTestRoot + "/", 0) == 0) word.erase(0, paths_.kTestRoot.size() + 1);
            line += (line.empty() ? "" : " ") + word;
        }
        const int fd = open(paths_.kMacCallsPath.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) return;  // a test root that cannot hold it records nothing
        (void)writeAll(fd, line + "\n");  // a lost line shows as a test failure
        close(fd);
    }
    // The store as a dictionary (empty when missing or unreadable).
    Plist fakeSettings() {
        Plist store = readPlistDict(paths_.kFakeSettingsPath);
        return store ? std::move(store) : newDict();
    }
    // Writes one key into the store, keeping the others; takes ownership of value.
    Status setFakeSetting(const char* key, plist_t value) {
        // Read, change one key, write back whole: the other keys survive.
        Plist store = fakeSettings();
        plist_dict_set_item(store.get(), key, value);
        return atomicWrite(paths_.kFakeSettingsPath, toXml(store.get()));
    }

    TestModePaths paths_;
    Runner run_;
    // The Mac's programs for owners, modes and the quarantine mark: recorded by their names, then run.
    Runner recordAndRun_ = [this](const std::string& program, const std::vector<std::string>& arguments) {
        std::vector<std::string> words{program.substr(program.rfind('/') + 1)};
        words.insert(words.end(), arguments.begin(), arguments.end());
        record(std::move(words));
        return run_(program, arguments);
    };
};

}  // namespace

std::unique_ptr<Platform> selfTestPlatform(TestModePaths paths, Runner runner) {
    return std::make_unique<SelfTestPlatform>(std::move(paths), std::move(runner));
}

}  // namespace qc
