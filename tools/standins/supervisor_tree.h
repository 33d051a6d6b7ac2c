// Watching the stand-in launchd's state tree for bootstraps and bootouts:
// the state folder for new domain folders, each domain folder for job
// folders that are renamed in or out.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <sys/types.h>
#include <vector>

#include "launchctl_target.h"

namespace standin {

struct TreeWatch {
    int fd = -1;
    int stateWd = -1;
    std::map<int, std::string> domainWds;  // wd -> domain key
};

struct FoundJob {
    std::string label;
    dev_t dev = 0;
    ino_t ino = 0;
};

// The domain a folder name of the state tree stands for: "gui_501" -> gui/501.
std::optional<Domain> domainFromKey(const std::string& key);
std::string domainFolder(const std::string& key);

// Watches the state folder and every domain folder in it. The keys of all
// domain folders go into dirty, to be scanned.
bool openTree(TreeWatch& tree, std::set<std::string>& dirty);

// Drains the instance; the keys of domains whose jobs may have changed go
// into dirty.
void readTree(TreeWatch& tree, std::set<std::string>& dirty);

// The job folders of a domain, "." names (half-made or dying jobs) left out.
std::vector<FoundJob> listDomain(const std::string& key);

}  // namespace standin
