#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <unistd.h>

#include "cli/options.h"
#include "common/process.h"
#include "common/files.h"
#include "common/paths.h"

namespace qc {
namespace {

PathInputs inputs(uid_t euid, std::map<std::string, std::string> env) {
    return {"quorvandel-connect", "/", euid, 501, [env](const char* name) -> std::optional<std::string> {
                auto it = env.find(name);
                return it == env.end() ? std::nullopt : std::optional(it->second);
            }};
}

TEST(Paths, TestModeOnlyForOthersThanRootWithATestRoot) {
    const std::string root = "QUORVANDEL_CONNECT_TEST_ROOT", sntp = "QUORVANDEL_CONNECT_TEST_SNTP";
    const std::string domain = "QUORVANDEL_CONNECT_TEST_DOMAIN";
    struct Case {
        uid_t euid;
        std::map<std::string, std::string> env;
        std::string domain;  // "system": not test mode
        std::optional<std::string> sntp;
    };
    const Case cases[] = {
        {0, {{root, "/r"}, {sntp, "/s"}}, "system", {}},     {42, {{root, ""}}, "system", {}},
        {42, {{sntp, "/x"}}, "system", {}},                  {42, {{root, "r"}, {domain, ""}}, "", {}},
        {42, {{root, "r"}, {domain, "user/7"}}, "user/7", {}}, {42, {{root, "r"}, {sntp, ""}}, "gui/501", {}},
        {42, {{root, "r"}, {sntp, "/s"}}, "gui/501", "/s"},
    };
    for (const auto& c : cases) {
        Paths t = buildPaths(inputs(c.euid, c.env));
        EXPECT_EQ(t.testMode(), c.domain != "system") << c.domain;
        EXPECT_EQ(t.kDomain, c.domain);
        EXPECT_EQ(t.kSntpStandIn, c.sntp) << c.domain;
    }
    EXPECT_EQ(buildPaths(inputs(0, {{root, "/r"}})).kPlistPath, "/Library/LaunchDaemons/com.quorvandel.connect.plist");
}

TEST(OptValue, FirstExactOccurrenceWithAFollowingElement) {
    const std::vector<std::string> args = {"t", "install", "--server", "a", "--server", "b", "--name"};
    EXPECT_EQ(optValue(args, "--server"), "a");
    EXPECT_EQ(optValue(args, "--name"), std::nullopt);  // last element
    EXPECT_EQ(optValue(args, "--serv"), std::nullopt);
    EXPECT_EQ(optValue({"t", "--server=a"}, "--server"), std::nullopt);
    EXPECT_EQ(optValue({"t", "--server", "--name"}, "--server"), "--name");
}

TEST(InstallInterval, ParsesSigned64BitAndRaisesToAMinute) {
    const std::pair<std::optional<std::string>, int64_t> cases[] = {
        {"30", 60}, {"90", 90}, {"-5", 60}, {"60", 60}, {"+120", 120}, {"0", 60},
        {"abc", 1800}, {"", 1800}, {std::nullopt, 1800}, {"=120", 1800}, {" 90", 1800}, {"90 ", 1800},
        {"0x10", 1800}, {"1e3", 1800}, {"+", 1800}, {"-", 1800},
        {"9223372036854775807", INT64_MAX}, {"9223372036854775808", 1800}, {"-9223372036854775808", 60},
        {"-9223372036854775809", 1800}, {"\xd9\xa3", 1800},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(installInterval(text, 1800), expected) << text.value_or("(absent)");
}

TEST(SelfPath, RelativePathsAreJoinedAndNormalisedWithoutTheFileSystem) {
    EXPECT_EQ(standardizedPath("/usr/local/x", "./tool"), "/usr/local/x/tool");
    EXPECT_EQ(standardizedPath("/usr/local/y", "../x/tool"), "/usr/local/x/tool");
    EXPECT_EQ(standardizedPath("/a/b", "tool"), "/a/b/tool");
    EXPECT_EQ(standardizedPath("/a", "b//./c/../tool"), "/a/b/tool");
    EXPECT_EQ(standardizedPath("/", "../../tool"), "/tool");
    EXPECT_EQ(standardizedPath("/a/./b/../c", "/x/../y/./tool"), "/x/../y/./tool");
}

class Run : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mkdtemp(dir_)); }
    void TearDown() override { removeTree(dir_); }
    std::string script(const std::string& body) {
        std::string path = std::string(dir_) + "/script";
        std::ofstream(path) << "#!/bin/sh\n" << body;
        chmod(path.c_str(), 0755);
        return path;
    }
    char dir_[20] = "/tmp/qc-run-XXXXXX";
};

TEST_F(Run, MergesBothStreamsPassesArgumentsAsGivenAndReportsTheStatus) {
    RunResult r = run(script("echo one; echo two >&2; printf '[%s]' \"$@\"; exit 3\n"), {"a b", "", "-sS"});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.out, "one\ntwo\n[a b][][-sS]");
    EXPECT_EQ(run(script("kill -9 $$\n"), {}).code, 9);
}

TEST_F(Run, OutputThatIsNotUtf8IsEmptyButTheStatusStays) {
    RunResult r = run(script("printf 'ok \\377\\376'; exit 4\n"), {});
    EXPECT_EQ(r.code, 4);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(run(script("printf 'caf\\303\\251 \\342\\200\\224'\n"), {}).out, "caf\xc3\xa9 \xe2\x80\x94");
}

TEST_F(Run, ReadsMoreThanAPipeHoldsBeforeWaiting) {
    RunResult r = run(script("head -c 1048576 /dev/zero | tr '\\0' x; echo; echo end >&2\n"), {});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.size(), 1048576u + 1 + 4);
    EXPECT_EQ(r.out.substr(r.out.size() - 4), "end\n");
}

}  // namespace
}  // namespace qc
