#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <dirent.h>
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
    int reads = 0, kills = 0;
    for (int round = 0; round < 40; ++round, ++kills) {
        pid_t victim = writer(path, static_cast<char>('d' + round % 20), 1000);
        usleep(static_cast<useconds_t>(500 + (round * 7919) % 5000));
        kill(victim, SIGKILL);
        waitpid(victim, nullptr, 0);
        for (int i = 0; i < 20; ++i, ++reads) {
            auto text = readRegularFile(path);
            ASSERT_TRUE(text && isWhole(*text)) << "a reader saw a partial or foreign file";
        }
    }
    for (pid_t racer : racers) waitpid(racer, nullptr, 0);

    auto last = readRegularFile(path);
    ASSERT_TRUE(last && isWhole(*last));
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
    // A writer killed mid-write may leave its own temporary file beside the
    // target, never a broken target; nothing else appears.
    DIR* listing = opendir(dir);
    while (dirent* entry = readdir(listing)) {
        std::string name = entry->d_name;
        if (name == "." || name == ".." || name == "last-sync") continue;
        EXPECT_EQ(name.rfind(".last-sync.", 0), 0u) << name;
    }
    closedir(listing);
    removeTree(dir);
    RecordProperty("reads", reads);
    RecordProperty("kills", kills);
}

TEST(AtomicWrite, FailsWithTheSystemsReasonAndLeavesNothing) {
    WriteResult result = atomicWrite("/tmp/qc-no-such-folder-here/x", "data");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "No such file or directory");
}

}  // namespace
}  // namespace qc
