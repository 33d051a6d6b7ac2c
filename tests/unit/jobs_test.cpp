#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

#include "common/files.h"
#include "common/paths.h"
#include "jobs/installed.h"
#include "jobs/launchd.h"

namespace qc {
namespace {

// Failures that end a command come back as the line the user sees.
TEST(JobErrors, ComeBackAsTheirLine) {
    char dir[] = "/tmp/qc-jobs-XXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    const std::string root = dir;
    Paths p = buildPaths({"/nowhere/quorvandel-connect", "/", 501, 501, [&](const char* name) -> std::optional<std::string> {
                              if (std::string(name) == "QUORVANDEL_CONNECT_TEST_ROOT") return root;
                              return std::nullopt;
                          }});
    ScopedPaths scoped(p);
    std::ofstream(root + "/Library");  // a file where the folders must go

    Plist job = jobPlist({p.kLabel, {"sync", "--server", "10.0.0.5"}, p.kSyncNowPath, 60});
    EXPECT_EQ(writeJobPlist(job.get(), p.kPlistPath), "error: cannot write " + p.kPlistPath + ": File exists");
    EXPECT_EQ(installProgram(),
              "error: can't locate this tool at /nowhere/quorvandel-connect. Run install with its full path.");
    removeTree(root);
}

}  // namespace
}  // namespace qc
