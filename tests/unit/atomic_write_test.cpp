#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/atomic_write.h"
#include "common/files.h"

namespace qc {
namespace {

// A file of one repeated letter, of a length that belongs to that letter.
std::string content(char letter) {
    return std::string(static_cast<size_t>(200000 + (letter - 'a') * 1000), letter);
}

bool isWhole(const std::string& text) {
    return !text.empty() && text == content(text[0]);
}

pid_t writer(const std::string& path, char letter, int times) {
    pid_t pid = fork();
    if (pid == 0) {
        for (int i = 0; i < times; ++i) atomicWrite(path, content(letter), 0644);
        _exit(0);
    }
    return pid;
}

TEST(AtomicWrite, RacingAndKilledWritersLeaveOneWholeFile) {
    char dir[] = "/tmp/qc-atomic-XXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    const std::string path = std::string(dir) + "/last-sync";
    ASSERT_TRUE(atomicWrite(path, content('a'), 0644).ok);

    pid_t racers[] = {writer(path, 'b', 150), writer(path, 'c', 150)};
    for (int round = 0; round < 40; ++round) {
        pid_t victim = writer(path, static_cast<char>('d' + round % 20), 1000);
        usleep(static_cast<useconds_t>(500 + (round * 7919) % 5000));
        kill(victim, SIGKILL);
        waitpid(victim, nullptr, 0);
        for (int i = 0; i < 20; ++i)
            ASSERT_TRUE(isWhole(readRegularFile(path).value_or(""))) << "a reader saw a partial or foreign file";
    }
    for (pid_t racer : racers) waitpid(racer, nullptr, 0);

    ASSERT_TRUE(isWhole(readRegularFile(path).value_or("")));
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    // A writer killed mid-write may leave its own temporary file beside the
    // target, never a broken target; nothing else appears.
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        const std::string name = entry.path().filename();
        EXPECT_TRUE(name == "last-sync" || name.rfind(".last-sync.", 0) == 0) << name;
    }
    removeTree(dir);
}

// A user who can write inside the tree swaps its sub-folders for links to a
// folder of someone else's files while root deletes the tree. Outside the
// tree nothing goes; a lone folder is never deleted as a file.
TEST(RemoveTree, AUserSwappingFoldersForLinksDuringTheWalkDeletesNothingOutside) {
    char top[] = "/tmp/qc-swap-XXXXXX";
    ASSERT_TRUE(mkdtemp(top));
    const std::string outside = std::string(top) + "/outside", tree = std::string(top) + "/tree";
    ASSERT_EQ(mkdir(outside.c_str(), 0755), 0);
    for (int f = 0; f < 100; ++f) ASSERT_TRUE(createEmptyFile(outside + "/f" + std::to_string(f), 0644));
    EXPECT_FALSE(removeFile(outside));
    const int kSubs = 2;
    for (int attempt = 0; attempt < 40; ++attempt) {
        ASSERT_EQ(mkdir(tree.c_str(), 0755), 0);
        for (int d = 0; d < kSubs; ++d) {
            const std::string sub = tree + "/d" + std::to_string(d);
            ASSERT_EQ(mkdir(sub.c_str(), 0755), 0);
            for (int f = 0; f < 100; ++f) ASSERT_TRUE(createEmptyFile(sub + "/f" + std::to_string(f), 0644));
        }
        int started[2];
        ASSERT_EQ(pipe(started), 0);
        pid_t swapper = fork();
        if (swapper == 0) {
            // Every folder in turn: moved aside with a link in its place, then back.
            for (int round = 0;; ++round) {
                for (int d = 0; d < kSubs; ++d) {
                    const std::string sub = tree + "/d" + std::to_string(d), aside = sub + ".aside";
                    if (round % 2 == 0 && rename(sub.c_str(), aside.c_str()) == 0) (void)symlink(outside.c_str(), sub.c_str());
                    if (round % 2 == 1 && unlink(sub.c_str()) == 0) (void)rename(aside.c_str(), sub.c_str());
                }
                if (round == 1) (void)!write(started[1], "", 1);
            }
        }
        char byte;
        ASSERT_EQ(read(started[0], &byte, 1), 1);
        removeTree(tree);
        kill(swapper, SIGKILL);
        waitpid(swapper, nullptr, 0);
        close(started[0]);
        close(started[1]);
        ASSERT_EQ(std::distance(std::filesystem::directory_iterator(outside), {}), 100) << "try " << attempt;
        removeTree(tree);
    }
    removeTree(top);
}

TEST(CopyProgram, TheCopyGetsMode755WhateverTheSourceCarries) {
    char dir[] = "/tmp/qc-copy-XXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    const std::string from = std::string(dir) + "/tool", to = std::string(dir) + "/installed";
    ASSERT_TRUE(atomicWrite(from, "#!/bin/sh\n", 06777).ok);
    ASSERT_EQ(copyProgram(from, to), std::nullopt);
    struct stat st;
    ASSERT_EQ(stat(to.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0755u);
    removeTree(dir);
}

}  // namespace
}  // namespace qc
