// Stand-in for macOS's /usr/bin/xattr, limited to "xattr -dr <name> <path>".
// Linux has no quarantine attribute, so deleting it succeeds on any path
// that exists.
#include <string>

#include "standin_io.h"

namespace standin {

namespace {

constexpr const char* kDir = "/run/quorvandel-standins/xattr";

}  // namespace

int programMain(int argc, char** argv) {
    (void)ensureSharedDir(kDir);
    logCall(kDir, argc, argv);
    const std::string flags = argc > 1 ? argv[1] : "";
    if (argc != 4 || (flags != "-dr" && flags != "-rd")) {
        errLine("usage: xattr -dr <attr_name> <file>");
        return 2;
    }
    const std::string path = argv[3];
    if (!pathExists(path)) {
        errLine("xattr: No such file: " + path);
        return 1;
    }
    return 0;
}

}  // namespace standin

int main(int argc, char** argv) {
    return standin::programMain(argc, argv);
}
