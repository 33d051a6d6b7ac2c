// The one helper for tests that need the tool's paths: a fresh folder as the
// test root, the paths of test mode moved under it for the life of the
// object, then put back and the folder deleted.
#pragma once

#include <cstdlib>
#include <string>

#include "common/files.h"
#include "common/paths.h"

namespace qc {

class TestRoot {
public:
    TestRoot()
        : dir_(makeFolder()), scoped_(buildPaths({"quorvandel-connect", "/", 501, 501, [this](const char* name) {
                                                      return std::string(name) == "QUORVANDEL_CONNECT_TEST_ROOT"
                                                                 ? std::optional<std::string>(dir_)
                                                                 : std::nullopt;
                                                  }})) {}
    ~TestRoot() { (void)removeTree(dir_); }
    const std::string& dir() const { return dir_; }

private:
    static std::string makeFolder() {
        char dir[] = "/tmp/qc-unit-XXXXXX";
        return mkdtemp(dir) ? dir : "";
    }
    std::string dir_;
    ScopedPaths scoped_;
};

}  // namespace qc
