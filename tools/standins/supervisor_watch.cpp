#include "supervisor_watch.h"

#include <cerrno>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include "inotify_events.h"

namespace standin {

namespace {

constexpr uint32_t kChangeMask =
    IN_ATTRIB | IN_MODIFY | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
constexpr uint32_t kGoneMask = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT;
// Every role asks for the same events: one folder can serve several roles,
// and the kernel gives it a single watch whose mask the last call decides.
// IN_ONLYDIR is only checked when the watch is added.
constexpr uint32_t kWatchMask = kChangeMask | IN_DELETE_SELF | IN_MOVE_SELF;

bool isDir(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

std::string parentOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

void addRole(WatchSet& set, const std::string& target, size_t index, WatchRole::Kind kind, const std::string& name) {
    const uint32_t mask = kind == WatchRole::Self ? kWatchMask : kWatchMask | IN_ONLYDIR;
    const int wd = inotify_add_watch(set.fd, target.c_str(), mask);
    if (wd >= 0) set.roles.push_back({wd, index, kind, name});
}

void armPath(WatchSet& set, size_t index) {
    const std::string& path = set.paths[index];
    // The path itself as well: a folder for its contents, a file for writes
    // through another of its links.
    if (set.existed[index]) addRole(set, path, index, WatchRole::Self, "");
    if (path == "/") return;
    std::string below = path;
    std::string folder = parentOf(path);
    if (isDir(folder)) {
        addRole(set, folder, index, WatchRole::Parent, nameOf(path));
        return;
    }
    while (folder != "/" && !isDir(folder)) {
        below = folder;
        folder = parentOf(folder);
    }
    addRole(set, folder, index, WatchRole::Ancestor, nameOf(below));
}

struct Reading {
    bool changed = false;
    bool rearm = false;
};

void judge(const WatchSet& set, const inotify_event& event, Reading& reading) {
    if (event.mask & IN_Q_OVERFLOW) {
        reading.changed = reading.rearm = true;
        return;
    }
    const std::string name = event.len ? std::string(event.name) : std::string();
    for (const WatchRole& role : set.roles) {
        if (role.wd != event.wd) continue;
        if (event.mask & kGoneMask) {
            reading.rearm = true;
            continue;
        }
        switch (role.kind) {
        case WatchRole::Self:
            reading.changed = true;
            break;
        case WatchRole::Parent:
            if (name == role.name) reading.changed = true;
            break;
        case WatchRole::Ancestor:
            if (name == role.name) reading.rearm = true;
            break;
        }
    }
}

}  // namespace

std::string normalWatchPath(const std::string& path) {
    std::string out = path.empty() || path.front() != '/' ? "/" + path : path;
    while (out.size() > 1 && out.back() == '/') out.pop_back();
    return out;
}

bool armWatches(WatchSet& set) {
    closeWatches(set);
    set.fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (set.fd < 0) return false;
    set.existed.assign(set.paths.size(), false);
    for (size_t i = 0; i < set.paths.size(); ++i) {
        set.existed[i] = exists(set.paths[i]);
        armPath(set, i);
    }
    return true;
}

void closeWatches(WatchSet& set) {
    if (set.fd >= 0) close(set.fd);
    set.fd = -1;
    set.roles.clear();
}

bool readWatches(WatchSet& set) {
    Reading reading;
    drainInotify(set.fd, [&](const inotify_event& event) { judge(set, event, reading); });
    if (reading.rearm) {
        // A path that came or went with its folder counts as changed.
        const std::vector<bool> before = set.existed;
        armWatches(set);
        for (size_t i = 0; i < set.paths.size(); ++i)
            if (before[i] != set.existed[i]) reading.changed = true;
    }
    return reading.changed;
}

}  // namespace standin
