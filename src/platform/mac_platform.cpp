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

std::optional<std::string> MacPlatform::currentTimeServer() {
    // systemsetup's exit code says nothing useful; only the labelled line counts.
    return systemsetupValueIn(run_(kSystemsetup, {"-getnetworktimeserver"}).out, "Network Time Server:");
}

Status MacPlatform::setTimeServer(const std::string& host) {
    return runChecked(run_, kSystemsetup, {"-setnetworktimeserver", host});
}

std::optional<bool> MacPlatform::usingNetworkTime() {
    return networkTimeSwitchIn(run_(kSystemsetup, {"-getusingnetworktime"}).out);
}

Status MacPlatform::setUsingNetworkTime(bool on) {
    return runChecked(run_, kSystemsetup, {"-setusingnetworktime", on ? "on" : "off"});
}

RunResult MacPlatform::runSntp(const std::string& server) {
    return run_("/usr/bin/sntp", {"-sS", server});
}

Result<std::string> MacPlatform::setClock(int64_t seconds, const std::string& text) {
    timeval tv{};
    tv.tv_sec = static_cast<time_t>(seconds);
    if (settimeofday(&tv, nullptr) != 0) return Error{std::string("the clock could not be set: ") + strerror(errno)};
    return "clock set to " + text;
}

Status MacPlatform::setOwner(const std::string& path, uid_t uid, gid_t gid) {
    if (chown(path.c_str(), uid, gid) != 0) return Error{strerror(errno)};
    return {};
}

Status MacPlatform::giveToRootWheel(const std::string& path, const std::string& mode) {
    return runGiveToRootWheel(run_, path, mode);
}

Status MacPlatform::changeMode(const std::string& path, const std::string& mode) {
    return runChangeMode(run_, path, mode);
}

Status MacPlatform::clearQuarantine(const std::string& path) {
    return runClearQuarantine(run_, path);
}

bool MacPlatform::actsAsRoot() {
    return geteuid() == 0;
}

std::optional<std::map<std::string, std::string>> MacPlatform::testEnvironment() {
    return std::nullopt;
}

}  // namespace qc
