#include "settings/time_settings.h"

#include "common/atomic_write.h"
#include "common/paths.h"
#include "common/process.h"
#include "common/text.h"

namespace qc {

namespace {
constexpr const char* kSystemsetup = "/usr/sbin/systemsetup";
constexpr const char* kServerKey = "timeServer";
constexpr const char* kUsingKey = "usingNetworkTime";
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

std::optional<std::string> systemsetupValue(const std::string& flag, const std::string& prefix) {
    return systemsetupValueIn(run(kSystemsetup, {flag}).out, prefix);
}

Plist fakeSettings() {
    Plist store = readPlistDict(paths().kFakeSettingsPath);
    return store ? std::move(store) : newDict();
}

void setFakeSetting(const char* key, plist_t value) {
    // Read, change one key, write back whole: the other keys survive.
    Plist store = fakeSettings();
    plist_dict_set_item(store.get(), key, value);
    (void)atomicWrite(paths().kFakeSettingsPath, toXml(store.get()));
}

std::optional<std::string> currentTimeServer() {
    if (paths().testMode()) return dictString(fakeSettings().get(), kServerKey);
    return systemsetupValue("-getnetworktimeserver", "Network Time Server:");
}

void setTimeServer(const std::string& host) {
    if (paths().testMode()) return setFakeSetting(kServerKey, plist_new_string(host.c_str()));
    (void)run(kSystemsetup, {"-setnetworktimeserver", host});
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

std::optional<bool> usingNetworkTime() {
    if (paths().testMode()) return dictBool(fakeSettings().get(), kUsingKey);
    return networkTimeSwitchIn(run(kSystemsetup, {"-getusingnetworktime"}).out);
}

void setUsingNetworkTime(bool on) {
    if (paths().testMode()) return setFakeSetting(kUsingKey, plist_new_bool(on ? 1 : 0));
    (void)run(kSystemsetup, {"-setusingnetworktime", on ? "on" : "off"});
}

}  // namespace qc
