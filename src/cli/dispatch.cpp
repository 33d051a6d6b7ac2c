#include "cli/dispatch.h"

#include <algorithm>

#include "cli/console.h"
#include "cli/table.h"
#include "commands/commands.h"
#include "common/text.h"
#include "discovery/choice.h"
#include "settime/settime.h"
#include "sync/sync.h"

namespace qc {

std::optional<std::string> optValue(const std::vector<std::string>& args, const std::string& name) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != name) continue;
        if (i + 1 < args.size()) return args[i + 1];
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::string> optValue(const std::string& name) {
    return optValue(table().args, name);
}

namespace {

// A flag: an argument exactly equal to the name anywhere after the command word.
bool hasFlag(const std::string& name) {
    const auto& args = table().args;
    return args.size() > 2 && std::find(args.begin() + 2, args.end(), name) != args.end();
}

}  // namespace

int64_t installInterval(const std::optional<std::string>& text, int64_t fallback) {
    auto value = parseInt64(text.value_or(""));
    if (!value) return fallback;
    return *value < 60 ? 60 : *value;
}

void dispatch() {
    const Table& t = table();
    const std::string& cmd = t.cmd;

    if (cmd == "discover") cmdDiscover();
    if (cmd == "install") {
        requireRoot("install");
        int64_t interval = installInterval(optValue("--interval"), t.kDefaultInterval);
        ResolvedServer server = resolveServer();
        cmdInstall(server.ip, interval, server.name);
        finish(0);
    }
    if (cmd == "remove" || cmd == "uninstall") {
        cmdRemove();
        finish(0);
    }
    if (cmd == "sync") {
        auto server = optValue("--server");
        if (!server) {
            errln("Usage: quorvandel-connect sync --server <ip>");
            finish(2);
        }
        cmdSync(*server);
    }
    if (cmd == "set-time") {
        if (t.args.size() < 3) {
            errln("Usage: quorvandel-connect set-time <2026-10-09T21:07:38Z>");
            finish(2);
        }
        cmdSetTime(t.args[2], optValue("--allow-user"));
        finish(0);
    }
    if (cmd == "allow-set-time") {
        requireRoot("allow-set-time --user <id>");
        auto user = optValue("--user");
        if (!user) {
            errln("Usage: quorvandel-connect allow-set-time --user <id>");
            finish(2);
        }
        allowSetTime(*user);
        finish(0);
    }
    if (cmd == "forbid-set-time") {
        requireRoot("forbid-set-time");
        forbidSetTime(false);
        outln("Setting the clock from Quorvandel Connect asks for an administrator password again.");
        finish(0);
    }
    if (cmd == "set-time-from-request") {
        cmdSetTimeFromRequest();
        finish(0);
    }
    if (cmd == "status") {
        cmdStatus(hasFlag("--json"));
        finish(0);
    }
    if (cmd == "-h" || cmd == "--help" || cmd == "help") {
        usage();
        finish(0);
    }
    errln("Unknown command: " + cmd);
    errln("");
    usage();
    finish(2);
}

}  // namespace qc
