#include <gtest/gtest.h>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "common/paths.h"
#include "common/files.h"
#include "common/ownership.h"
#include "sync/last_sync.h"
#include "sync/sync.h"

namespace qc {
namespace {

using Lines = std::vector<std::string>;

TEST(SntpOutput, LongFailuresKeepEachSntpMessageOnce) {
    const std::string six = "12:00 sntp: no answer\n  sntp: no answer\t\nnoise\nsntp: no answer\n"
                            "\u00a0sntp: lookup failed, sntp: again \nsntp: no answer\n";
    const std::tuple<std::string, int, Lines> cases[] = {
        {"", 1, {}},
        {"\n \t\n\u3000\n", 1, {}},
        {" a \n\nb\n\tc\nd", 1, {"a", "b", "c", "d"}},
        {six, 1, {"sntp: no answer", "sntp: lookup failed, sntp: again"}},
        {six, -1, {"sntp: no answer", "sntp: lookup failed, sntp: again"}},
        {six, 0, {"12:00 sntp: no answer", "sntp: no answer", "noise", "sntp: no answer",
                  "sntp: lookup failed, sntp: again", "sntp: no answer"}},
        {"a\nb\nc\nd\ne\n", 2, {}},
        {"a\nb\nc\n \n\t\nd sntp: x\n", 2, {"a", "b", "c", "d sntp: x"}},
        {"a\nb\nc\nd sntp: x\nSNTP: y\n", 2, {"sntp: x"}},
        {"sntp:x\nsntp:  x\nsntp: x\nsntp: x \nsntp:\n", 1, {"sntp:  x", "sntp: x"}},
    };
    for (const auto& [output, code, printed] : cases) EXPECT_EQ(sntpLinesToPrint(output, code), printed) << output;
}

TEST(LastSyncRecord, OnlyAPositiveDecimalCounts) {
    const std::pair<const char*, std::optional<int64_t>> cases[] = {
        {"1791580058\n", 1791580058}, {" \t1791580058\n\n\r\n", 1791580058}, {"+42", 42}, {"1", 1},
        {"\u00a07\u2028", 7},        {"9223372036854775807", INT64_MAX},
        {"0", {}}, {"-5", {}}, {"", {}}, {" \n\t", {}}, {"12ab", {}}, {"1 2", {}}, {"1.5", {}}, {"+", {}},
        {"0x10", {}}, {"9223372036854775808", {}}, {"99999999999999999999", {}}, {"++1", {}},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(parseLastSync(text), value) << text;
}

class StateDir : public ::testing::Test {
protected:
    void SetUp() override {
        umask(077);
        char dir[] = "/tmp/qc-sync-XXXXXX";
        ASSERT_TRUE(mkdtemp(dir));
        dir_ = dir;
        scoped_ = std::make_unique<ScopedPaths>(
            buildPaths(PathInputs{"quorvandel-connect", "/", 501, 501, [this](const char* name) -> std::optional<std::string> {
                                      if (std::string(name) == "QUORVANDEL_CONNECT_TEST_ROOT") return dir_;
                                      return std::nullopt;
                                  }}));
    }
    void TearDown() override {
        scoped_.reset();
        removeTree(dir_);
    }
    static struct stat info(const std::string& path) {
        struct stat st {};
        EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
        return st;
    }
    std::string dir_;
    std::unique_ptr<ScopedPaths> scoped_;
};

TEST_F(StateDir, OwnedByRootOnlyOutsideTestMode) {
    // Run as root: the folder's owner tells whether chown was asked for.
    if (geteuid() != 0) GTEST_SKIP() << "needs root to see the owner change";
    const Paths t = paths();
    for (bool testMode : {true, false}) {
        ASSERT_FALSE(makeDirectories(t.kStateDir));
        ASSERT_EQ(chown(t.kStateDir.c_str(), 65534, 65534), 0);
        ASSERT_EQ(chmod(t.kStateDir.c_str(), 0700), 0);
        Paths changed = t;
        if (!testMode) changed.kTestRoot.reset();
        ScopedPaths scoped(changed);
        ensureStateDir();
        EXPECT_EQ(info(t.kStateDir).st_uid, testMode ? 65534u : 0u);
        EXPECT_EQ(info(t.kStateDir).st_gid, testMode ? 65534u : 0u);
        EXPECT_EQ(info(t.kStateDir).st_mode & 07777, 0755u);
    }
    removeTree(t.kStateDir);
    ensureStateDir();  // made with its missing parents, parents by the umask
    EXPECT_EQ(info(t.kStateDir).st_mode & 07777, 0755u);
    EXPECT_EQ(info(dir_ + "/Library/Application Support").st_mode & 07777, 0700u);
}

}  // namespace
}  // namespace qc
