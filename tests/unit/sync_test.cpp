#include <gtest/gtest.h>

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

TEST(StateDir, OwnedByRootOnlyOutsideTestMode) {
    // Run as root: the folder's owner tells whether chown was asked for.
    if (geteuid() != 0) GTEST_SKIP() << "needs root to see the owner change";
    const mode_t before = umask(077);
    char dir[] = "/tmp/qc-sync-XXXXXX";
    ASSERT_TRUE(mkdtemp(dir));
    const Paths t = buildPaths({"quorvandel-connect", "/", 501, 501, [&](const char* name) -> std::optional<std::string> {
                                    if (std::string(name) == "QUORVANDEL_CONNECT_TEST_ROOT") return dir;
                                    return std::nullopt;
                                }});
    ScopedPaths scoped(t);
    auto mode = [](const std::string& path) {
        struct stat st {};
        EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
        return std::tuple(st.st_uid, st.st_gid, unsigned(st.st_mode & 07777));
    };
    for (bool testMode : {true, false}) {
        ASSERT_FALSE(makeDirectories(t.kStateDir));
        ASSERT_EQ(chown(t.kStateDir.c_str(), 65534, 65534), 0);
        ASSERT_EQ(chmod(t.kStateDir.c_str(), 0700), 0);
        Paths changed = t;
        if (!testMode) changed.kTestRoot.reset();
        ScopedPaths scoped(changed);
        ensureStateDir();
        const uid_t owner = testMode ? 65534 : 0;
        EXPECT_EQ(mode(t.kStateDir), std::tuple(owner, owner, 0755u));
    }
    removeTree(t.kStateDir);
    ensureStateDir();  // made with its missing parents, parents by the umask
    EXPECT_EQ(std::get<2>(mode(t.kStateDir)), 0755u);
    EXPECT_EQ(std::get<2>(mode(std::string(dir) + "/Library/Application Support")), 0700u);
    removeTree(dir);
    umask(before);
}

}  // namespace
}  // namespace qc
