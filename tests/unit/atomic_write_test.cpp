#include "common/atomic_write.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/files.h"

namespace qc {

// A file of one repeated letter, of a length that belongs to that letter.
static std::string content(char letter) {
    return std::string(static_cast<size_t>(200000 + (letter - 'a') * 1000), letter);
}

static bool isWhole(const std::string& text) {
    return !text.empty() && text == content(text[0]);
}

static pid_t writer(const std::string& path, char letter, int times) {
    pid_t pid = fork();
    if (pid == 0) {
        for (int i = 0; i < times; ++i) (void)atomicWrite(path, content(letter), 0644);
        _exit(0);
    }
    return pid;
}

TEST(AtomicWrite, RacingAndKilledWritersLeaveOneWholeFile) {
    char dir[] = "/tmp/qc-atomic-XXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    const std::string path = std::string(dir) + "/last-sync";
    ASSERT_TRUE(atomicWrite(path, content('a'), 0644));

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
    (void)removeTree(dir);
}

}  // namespace qc
