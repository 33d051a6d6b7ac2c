// The one seam between the tool and the Mac it changes. Everything that a
// test-mode run must do differently sits behind it: the time settings
// (systemsetup, or a property-list store), the sntp program and its
// arguments, setting the clock, the owners and modes of files, whether the
// process acts as root, and the environment its jobs get. Its two drivers
// (mac_platform.h, selftest_platform.h) share nothing but the programs of
// file_programs.h. main picks one once, before the command runs; nothing
// else asks which.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <sys/types.h>

#include "common/process.h"
#include "common/result.h"

namespace qc {

class Platform {
public:
    virtual ~Platform() = default;

    // The network time server and the automatic-time switch; absent when
    // they cannot be read.
    virtual std::optional<std::string> currentTimeServer() = 0;
    virtual Status setTimeServer(const std::string& host) = 0;
    virtual std::optional<bool> usingNetworkTime() = 0;
    virtual Status setUsingNetworkTime(bool on) = 0;

    // One run of sntp against the server; it sets the clock itself.
    virtual RunResult runSntp(const std::string& server) = 0;
    // Sets the clock to the moment the text names; the words that say so.
    virtual Result<std::string> setClock(int64_t seconds, const std::string& text) = 0;

    // Gives a file or folder to the user and group.
    virtual Status setOwner(const std::string& path, uid_t uid, gid_t gid) = 0;
    // The system's chown to root:wheel, then chmod to the mode.
    virtual Status giveToRootWheel(const std::string& path, const std::string& mode) = 0;
    // The system's chmod.
    virtual Status changeMode(const std::string& path, const std::string& mode) = 0;
    // Deletes the quarantine mark that Gatekeeper acts on.
    virtual Status clearQuarantine(const std::string& path) = 0;

    // True for root, and in test mode, where an ordinary user acts as root would.
    virtual bool actsAsRoot() = 0;
    // The environment a job gets so that it runs as this process does:
    // absent on a Mac; in test mode, the test root and the sntp stand-in.
    virtual std::optional<std::map<std::string, std::string>> testEnvironment() = 0;
};

// The platform of this process: the test mode's until main sets it, so that
// nothing reaches the Mac's own settings or clock by accident.
Platform& platform();
void setPlatform(std::unique_ptr<Platform> chosen);

// Tests put another platform in place for the life of one of these.
class ScopedPlatform {
public:
    explicit ScopedPlatform(std::unique_ptr<Platform> chosen);
    ~ScopedPlatform();
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    std::unique_ptr<Platform> saved_;
};

}  // namespace qc
