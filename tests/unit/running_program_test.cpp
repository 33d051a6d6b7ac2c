#include "common/running_program.h"

#include <cstdio>
#include <gtest/gtest.h>

#include "common/atomic_write.h"
#include "test_root.h"

namespace qc {

TEST(RunningProgram, OnlyTheSameDeviceAndInodeIsTheRunningProgram) {
    EXPECT_TRUE(isRunningProgram({7, 42}, {7, 42}));
    EXPECT_FALSE(isRunningProgram({8, 42}, {7, 42}));  // the same inode number on another file system
}

// What counts is the file that was opened, not what its path names by the
// time it is checked: here the program is renamed over a planted file just
// after the planted one was opened.
TEST(RunningProgram, AFileSwappedAfterItWasOpenedIsNotTheRunningProgram) {
    TestRoot root;
    const std::string path = root.dir() + "/quorvandel-connect", program = root.dir() + "/program";
    ASSERT_TRUE(atomicWrite(path, "planted") && atomicWrite(program, "program"));
    EXPECT_EQ(readRunningProgram(path, [&] { return fileIdentity(path); }), "planted");
    // Should the rename fail, the planted file is the running program, and the check below fails.
    EXPECT_EQ(readRunningProgram(path, [&] { return std::rename(program.c_str(), path.c_str()), fileIdentity(path); }),
              std::nullopt);
}

}  // namespace qc
