// Stand-in for macOS's /usr/sbin/systemsetup, limited to the network time
// flags. Settings live in <dir>/state as "server=" and "using=" lines.
#include <cctype>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

#include "standin_io.h"

namespace standin {

namespace {

constexpr const char* kDir = "/run/quorvandel-standins/systemsetup";

struct Settings {
    std::string server = "time.apple.com";
    bool usingNetworkTime = true;
};

std::string statePath() {
    return std::string(kDir) + "/state";
}

Settings readSettings() {
    Settings settings;
    const std::string text = readSmallFile(statePath(), 65536).value_or("");
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.rfind("server=", 0) == 0) settings.server = line.substr(7);
        if (line.rfind("using=", 0) == 0) settings.usingNetworkTime = line.substr(6) != "off";
    }
    return settings;
}

// Read, change and rewrite under a lock on the folder, so two setters in a
// row never lose each other's key.
bool updateSettings(void (*change)(Settings&, const std::string&), const std::string& value) {
    int dirFd = open(kDir, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0) return false;
    (void)flock(dirFd, LOCK_EX);
    Settings settings = readSettings();
    change(settings, value);
    const std::string text =
        "server=" + settings.server + "\nusing=" + (settings.usingNetworkTime ? "on" : "off") + "\n";
    const bool ok = writeFileAtomic(statePath(), text, 0644);
    close(dirFd);
    return ok;
}

// Test hook: a canned reply for every getter, to exercise the caller's parsing.
bool printCannedOutput() {
    const std::string path = std::string(kDir) + "/output";
    if (!pathExists(path)) return false;
    (void)writeAll(STDOUT_FILENO, readSmallFile(path, 1 << 20).value_or(""));
    return true;
}

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

int usage() {
    errLine("Usage: systemsetup -getnetworktimeserver | -setnetworktimeserver <server> | "
            "-getusingnetworktime | -setusingnetworktime <on off>");
    return 1;
}

int getServer() {
    if (!printCannedOutput()) outLine("Network Time Server: " + readSettings().server);
    return 0;
}

int getUsing() {
    if (!printCannedOutput()) outLine(std::string("Network Time: ") + (readSettings().usingNetworkTime ? "On" : "Off"));
    return 0;
}

int setServer(const std::string& host) {
    if (host.find('\n') != std::string::npos) return usage();
    auto change = [](Settings& s, const std::string& v) {
        s.server = v;
    };
    if (!updateSettings(change, host)) {
        errLine("Error: could not save the network time server.");
        return 1;
    }
    outLine("setNetworkTimeServer: " + host);
    return 0;
}

int setUsing(const std::string& word) {
    const std::string value = lowered(word);
    if (value != "on" && value != "off") {
        errLine("Error: -setusingnetworktime takes on or off, not \"" + word + "\".");
        return 1;
    }
    auto change = [](Settings& s, const std::string& v) {
        s.usingNetworkTime = v == "on";
    };
    if (!updateSettings(change, value)) {
        errLine("Error: could not save the network time setting.");
        return 1;
    }
    outLine(std::string("setUsingNetworkTime: ") + (value == "on" ? "On" : "Off"));
    return 0;
}

}  // namespace

int programMain(int argc, char** argv) {
    (void)ensureSharedDir(kDir);
    logCall(kDir, argc, argv);
    // The refusal shows only in the text: a caller that parses the output
    // finds no value, whatever it makes of the status.
    if (geteuid() != 0) {
        outLine("You need administrator access to run this tool... exiting!");
        return 0;
    }
    const std::string flag = argc > 1 ? lowered(argv[1]) : "";
    if (flag == "-getnetworktimeserver" && argc == 2) return getServer();
    if (flag == "-getusingnetworktime" && argc == 2) return getUsing();
    if (flag == "-setnetworktimeserver" && argc == 3) return setServer(argv[2]);
    if (flag == "-setusingnetworktime" && argc == 3) return setUsing(argv[2]);
    return usage();
}

}  // namespace standin

int main(int argc, char** argv) {
    return standin::programMain(argc, argv);
}
