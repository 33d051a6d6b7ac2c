#include "common/running_program.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/atomic_write.h"
#include "test_root.h"

namespace qc {

TEST(RunningProgram, OnlyTheSameDeviceAndInodeIsTheRunningProgram) {
    EXPECT_TRUE(isRunningProgram({7, 42}, {7, 42}));
    EXPECT_FALSE(isRunningProgram({8, 42}, {7, 42}));  // the same inode number on another file system
    EXPECT_FALSE(isRunningProgram({7, 43}, {7, 42}));
}

// What counts is the file that was opened, not what its path names by the
// time it is checked: here the program is renamed over a planted file just
// after the planted one was opened.
TEST(RunningProgram, AFileSwappedAfterItWasOpenedIsNotTheRunningProgram) {
    TestRoot root;
    const std::string path = root.dir() + "/quorvandel-connect", program = root.dir() + "/program";
    ASSERT_TRUE(atomicWrite(path, "planted") && atomicWrite(program, "program"));
    auto identity = [](const std::string& file) -> std::optional<FileIdentity> {
        struct stat st;
        return stat(file.c_str(), &st) == 0 ? std::optional(FileIdentity{st.st_dev, st.st_ino}) : std::nullopt;
    };
    EXPECT_EQ(readRunningProgram(path, [&] { return identity(path); }), "planted");
    auto swapped = [&] {
        EXPECT_EQ(std::rename(program.c_str(), path.c_str()), 0);
        return identity(path);
    };
    EXPECT_EQ(readRunningProgram(path, swapped), std::nullopt);
}

}  // namespace qc
