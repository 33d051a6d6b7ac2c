#include "supervisor_tree.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include "inotify_events.h"
#include "launchctl_store.h"

namespace standin {

namespace {

constexpr uint32_t kStateMask = IN_CREATE | IN_MOVED_TO | IN_ONLYDIR;
constexpr uint32_t kDomainMask =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

void watchDomain(TreeWatch& tree, const std::string& key, std::set<std::string>& dirty) {
    const int wd = inotify_add_watch(tree.fd, domainFolder(key).c_str(), kDomainMask);
    if (wd >= 0) tree.domainWds[wd] = key;
    // Scanned after the watch is in place, so no job slips between the two.
    dirty.insert(key);
}

void watchAllDomains(TreeWatch& tree, std::set<std::string>& dirty) {
    DIR* d = opendir(kLaunchdState);
    if (!d) return;
    while (const dirent* entry = readdir(d)) {
        const std::string name = entry->d_name;
        if (domainFromKey(name)) watchDomain(tree, name, dirty);
    }
    closedir(d);
}

void handle(TreeWatch& tree, const inotify_event& event, std::set<std::string>& dirty) {
    if (event.mask & IN_Q_OVERFLOW) {
        watchAllDomains(tree, dirty);
        return;
    }
    if (event.wd == tree.stateWd) {
        const std::string name = event.len ? std::string(event.name) : std::string();
        if ((event.mask & IN_ISDIR) && domainFromKey(name)) watchDomain(tree, name, dirty);
        return;
    }
    auto found = tree.domainWds.find(event.wd);
    if (found == tree.domainWds.end()) return;
    dirty.insert(found->second);
    if (event.mask & IN_IGNORED) tree.domainWds.erase(found);
}

}  // namespace

std::optional<Domain> domainFromKey(const std::string& key) {
    std::string name = key;
    if (const size_t underscore = name.find('_'); underscore != std::string::npos) name[underscore] = '/';
    auto domain = parseDomain(name);
    if (!domain || domainKey(*domain) != key) return std::nullopt;
    return domain;
}

std::string domainFolder(const std::string& key) {
    return std::string(kLaunchdState) + "/" + key;
}

bool openTree(TreeWatch& tree, std::set<std::string>& dirty) {
    tree.fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (tree.fd < 0) return false;
    tree.stateWd = inotify_add_watch(tree.fd, kLaunchdState, kStateMask);
    if (tree.stateWd < 0) return false;
    watchAllDomains(tree, dirty);
    return true;
}

void readTree(TreeWatch& tree, std::set<std::string>& dirty) {
    drainInotify(tree.fd, [&](const inotify_event& event) { handle(tree, event, dirty); });
}

std::vector<FoundJob> listDomain(const std::string& key) {
    std::vector<FoundJob> jobs;
    const std::string folder = domainFolder(key);
    DIR* d = opendir(folder.c_str());
    if (!d) return jobs;
    while (const dirent* entry = readdir(d)) {
        const std::string name = entry->d_name;
        struct stat st {};
        if (!storableLabel(name) || fstatat(dirfd(d), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISDIR(st.st_mode))
            continue;
        jobs.push_back({name, st.st_dev, st.st_ino});
    }
    closedir(d);
    return jobs;
}

}  // namespace standin
