// The Mac's own platform: systemsetup for the time settings, sntp -sS,
// settimeofday, and chown, chmod and xattr for owners, modes and the
// quarantine mark. Every program goes through the runner it is given, so a
// test can see the argument vectors a Mac gets.
#pragma once

#include <string>

#include "platform/file_programs.h"
#include "platform/platform.h"

namespace qc {

class MacPlatform : public Platform {
public:
    explicit MacPlatform(Runner runner = run) : run_(std::move(runner)) {}

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
    Runner run_;
};

// The value after the label on the first line of systemsetup's output that
// holds the label (absent when that value is empty), and the automatic-time
// switch from the output of -getusingnetworktime.
std::optional<std::string> systemsetupValueIn(const std::string& output, const std::string& label);
std::optional<bool> networkTimeSwitchIn(const std::string& output);

}  // namespace qc
