#include "platform/mac_platform.h"

#include <cerrno>
#include <cstring>
#include <sys/time.h>
#include <unistd.h>

#include "common/text.h"

namespace qc {

namespace {
constexpr const char* kSystemsetup = "/usr/sbin/systemsetup";
}  // namespace

std::optional<std::string> systemsetupValueIn(const std::string& output, const std::string& label) {
    // Only the first line that carries the label counts, even when it is empty.
    for (auto line : nonEmptyLines(output)) {
        size_t at = line.find(label);
        if (at == std::string_view::npos) continue;
        auto rest = trimBlanks(line.substr(at + label.size()));
        if (rest.empty()) return std::nullopt;
        return std::string(rest);
    }
    return std::nullopt;
}

std::optional<bool> networkTimeSwitchIn(const std::string& output) {
    auto value = systemsetupValueIn(output, "Network Time:");
    if (!value) return std::nullopt;
    // No letter outside ASCII lower-cases to "o" or "n", so ASCII folding is exact here.
    std::string lowered = *value;
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lowered == "on";
}

namespace {

class MacPlatform : public Platform {
public:
    explicit MacPlatform(Runner runner) : run_(std::move(runner)) {}

    std::optional<std::string> currentTimeServer() override {
        // systemsetup's exit code says nothing useful; only the labelled line counts.
        return systemsetupValueIn(run_(kSystemsetup, {"-getnetworktimeserver"}).out, "Network Time Server:");
    }
    Status setTimeServer(const std::string& host) override {
        return runChecked(run_, kSystemsetup, {"-setnetworktimeserver", host});
    }
    std::optional<bool> usingNetworkTime() override {
        return networkTimeSwitchIn(run_(kSystemsetup, {"-getusingnetworktime"}).out);
    }
    Status setUsingNetworkTime(bool on) override {
        return runChecked(run_, kSystemsetup, {"-setusingnetworktime", on ? "on" : "off"});
    }

    // sntp sets the clock itself.
    RunResult runSntp(const std::string& server) override { return run_("/usr/bin/sntp", {"-sS", server}); }
    Result<std::string> setClock(int64_t seconds, const std::string& text) override {
        timeval tv{};
        tv.tv_sec = static_cast<time_t>(seconds);
        if (settimeofday(&tv, nullptr) != 0)
            return Error{std::string("the clock could not be set: ") + strerror(errno)};
        return "clock set to " + text;
    }

    Status setOwner(const std::string& path, uid_t uid, gid_t gid) override {
        if (chown(path.c_str(), uid, gid) != 0) return Error{strerror(errno)};
        return {};
    }
    Status giveToRootWheel(const std::string& path, const std::string& mode) override {
        return runGiveToRootWheel(run_, path, mode);
    }
    Status changeMode(const std::string& path, const std::string& mode) override {
        return runChangeMode(run_, path, mode);
    }
    Status clearQuarantine(const std::string& path) override { return runClearQuarantine(run_, path); }

    bool actsAsRoot() override { return geteuid() == 0; }
    // A Mac's jobs run as they are, outside test mode.
    std::optional<std::map<std::string, std::string>> testEnvironment() override { return std::nullopt; }

private:
    Runner run_;
};

}  // namespace

std::unique_ptr<Platform> macPlatform(Runner runner) {
    return std::make_unique<MacPlatform>(std::move(runner));
}

}  // namespace qc
