// The inotify watches behind one job's WatchPaths. A path is watched through
// its parent folder, by name, so that a write, a touch, creation, deletion
// and replacement by rename are all seen; while the path exists it is also
// watched itself (a folder for changes of its contents, a file for writes
// through another of its links). While the parent is missing, the nearest
// existing ancestor is watched for the next name on the way down.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace standin {

struct WatchRole {
    enum Kind { Parent, Self, Ancestor };
    int wd = -1;
    size_t path = 0;  // index into WatchSet::paths
    Kind kind = Parent;
    std::string name;  // the child name that matters (Parent, Ancestor)
};

struct WatchSet {
    int fd = -1;  // one inotify instance per job; closing it drops every watch
    std::vector<std::string> paths;
    std::vector<bool> existed;  // per path, when last armed
    std::vector<WatchRole> roles;
};

// Absolute, without trailing slashes; relative paths count from "/".
std::string normalWatchPath(const std::string& path);

// (Re)creates the inotify instance for set.paths. False when no instance
// could be made; a path that cannot be watched is skipped.
bool armWatches(WatchSet& set);
void closeWatches(WatchSet& set);

// Drains the instance. True when a watched path changed; the set is re-armed
// when a watched folder went away or a missing one appeared.
bool readWatches(WatchSet& set);

}  // namespace standin
