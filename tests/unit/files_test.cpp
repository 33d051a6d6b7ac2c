#include "common/files.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/atomic_write.h"

namespace qc {

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
                    if (round % 2 == 0 && rename(sub.c_str(), aside.c_str()) == 0)
                        (void)symlink(outside.c_str(), sub.c_str());
                    if (round % 2 == 1 && unlink(sub.c_str()) == 0) (void)rename(aside.c_str(), sub.c_str());
                }
                if (round == 1) (void)!write(started[1], "", 1);
            }
        }
        char byte;
        ASSERT_EQ(read(started[0], &byte, 1), 1);
        (void)removeTree(tree);
        kill(swapper, SIGKILL);
        waitpid(swapper, nullptr, 0);
        close(started[0]);
        close(started[1]);
        ASSERT_EQ(std::distance(std::filesystem::directory_iterator(outside), {}), 100) << "try " << attempt;
        (void)removeTree(tree);
    }
    (void)removeTree(top);
}

}  // namespace qc
