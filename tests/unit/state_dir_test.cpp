#include "jobs/state_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/mac_platform.h"
#include "platform/selftest_platform.h"
#include "test_root.h"

namespace qc {

TEST(StateDir, GivenToRootOnlyOnAMacAndMode755Always) {
    // Run as root: the folder's owner tells whether it was given to root.
    if (geteuid() != 0) GTEST_SKIP() << "needs root to see the owner change";
    const mode_t before = umask(077);
    TestRoot root;
    const std::string& dir = paths().kStateDir;
    auto mode = [](const std::string& path) {
        struct stat st {};
        EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
        return std::tuple(st.st_uid, st.st_gid, unsigned(st.st_mode & 07777));
    };
    for (bool mac : {true, false}) {
        ASSERT_TRUE(makeDirectories(dir));
        ASSERT_EQ(chown(dir.c_str(), 65534, 65534), 0);
        ASSERT_EQ(chmod(dir.c_str(), 0700), 0);
        ScopedPlatform scoped(mac ? macPlatform() : selfTestPlatform());
        EXPECT_TRUE(ensureStateDir());
        const uid_t owner = mac ? 0 : 65534;
        EXPECT_EQ(mode(dir), std::tuple(owner, owner, 0755u));
    }
    ASSERT_TRUE(removeTree(dir));
    EXPECT_TRUE(ensureStateDir());  // made with its missing parents, parents by the umask
    EXPECT_EQ(std::get<2>(mode(dir)), 0755u);
    EXPECT_EQ(std::get<2>(mode(root.dir() + "/Library/Application Support")), 0700u);
    umask(before);
}

}  // namespace qc
