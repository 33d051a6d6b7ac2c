#include "cli/dispatch.h"

#include "cli/options.h"
#include "cli/usage.h"
#include "commands/discover.h"
#include "commands/install.h"
#include "commands/remove.h"
#include "commands/set_time.h"
#include "commands/set_time_from_request.h"
#include "commands/status.h"
#include "commands/sync_command.h"
#include "common/console.h"
#include "common/paths.h"
#include "common/running_program.h"
#include "jobs/launchd.h"
#include "platform/platform.h"

namespace qc {

namespace {

// True when the process may act as root; otherwise the re-run hint is printed.
bool requireRoot(const std::string& hint) {
    if (platform().actsAsRoot()) return true;
    errln("This needs root. Re-run with sudo, e.g.:");
    errln("  sudo \"" + rerunPath(paths().kSelfPath) + "\" " + hint);
    return false;
}

int usageLine(const char* line) {
    errln(line);
    return 2;
}

}  // namespace

int dispatch(const std::vector<std::string>& args) {
    const std::string cmd = args.size() < 2 ? "discover" : args[1];
    auto option = [&](const char* name) {
        return optValue(args, name);
    };

    if (cmd == "discover") return cmdDiscover();
    if (cmd == "install") {
        if (!requireRoot("install")) return 1;
        int64_t interval = installInterval(option("--interval"), kDefaultInterval);
        // The name counts only beside a given address.
        auto server = option("--server");
        return cmdInstall(server, server ? option("--name") : std::nullopt, interval);
    }
    if (cmd == "remove" || cmd == "uninstall") return requireRoot("remove") ? cmdRemove() : 1;
    if (cmd == "sync") {
        auto server = option("--server");
        if (!server) return usageLine("Usage: quorvandel-connect sync --server <ip>");
        return requireRoot("sync --server " + *server) ? cmdSync(*server) : 1;
    }
    if (cmd == "set-time") {
        if (args.size() < 3) return usageLine("Usage: quorvandel-connect set-time <2026-10-09T21:07:38Z>");
        return requireRoot("set-time " + args[2]) ? cmdSetTime(args[2], option("--allow-user")) : 1;
    }
    if (cmd == "allow-set-time") {
        if (!requireRoot("allow-set-time --user <id>")) return 1;
        auto user = option("--user");
        if (!user) return usageLine("Usage: quorvandel-connect allow-set-time --user <id>");
        return cmdAllowSetTime(*user);
    }
    if (cmd == "forbid-set-time") return requireRoot("forbid-set-time") ? cmdForbidSetTime() : 1;
    if (cmd == "set-time-from-request") return requireRoot("set-time-from-request") ? cmdSetTimeFromRequest() : 1;
    if (cmd == "status") return cmdStatus(hasFlag(args, "--json"));
    if (cmd == "-h" || cmd == "--help" || cmd == "help") {
        usage();
        return 0;
    }
    errln("Unknown command: " + cmd);
    errln("");
    usage();
    return 2;
}

}  // namespace qc
