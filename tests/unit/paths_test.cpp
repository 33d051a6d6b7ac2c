#include "common/paths.h"

#include <gtest/gtest.h>
#include <map>

namespace qc {

static PathInputs inputs(uid_t euid, std::map<std::string, std::string> env) {
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
    const Case cases[] = {{0, {{root, "/r"}, {sntp, "/s"}}, "system", {}},
                          {42, {{root, ""}}, "system", {}},
                          {42, {{sntp, "/x"}}, "system", {}},
                          {42, {{root, "r"}, {domain, ""}}, "", {}},
                          {42, {{root, "r"}, {domain, "user/7"}}, "user/7", {}},
                          {42, {{root, "r"}, {sntp, ""}}, "gui/501", {}},
                          {42, {{root, "r"}, {sntp, "/s"}}, "gui/501", "/s"}};
    for (const auto& c : cases) {
        Paths t = buildPaths(inputs(c.euid, c.env));
        auto testMode = testModePaths(t, inputs(c.euid, c.env));
        EXPECT_EQ(testMode.has_value(), c.domain != "system") << c.domain;
        EXPECT_EQ(t.kDomain, c.domain);
        EXPECT_EQ(testMode ? testMode->kSntpStandIn : std::nullopt, c.sntp) << c.domain;
    }
    EXPECT_EQ(buildPaths(inputs(0, {{root, "/r"}})).kPlistPath, "/Library/LaunchDaemons/com.quorvandel.connect.plist");
}

TEST(SelfPath, RelativePathsAreJoinedAndNormalisedWithoutTheFileSystem) {
    EXPECT_EQ(standardizedPath("/usr/local/x", "./tool"), "/usr/local/x/tool");
    EXPECT_EQ(standardizedPath("/usr/local/y", "../x/tool"), "/usr/local/x/tool");
    EXPECT_EQ(standardizedPath("/a/b", "tool"), "/a/b/tool");
    EXPECT_EQ(standardizedPath("/a", "b//./c/../tool"), "/a/b/tool");
    EXPECT_EQ(standardizedPath("/", "../../tool"), "/tool");
    EXPECT_EQ(standardizedPath("/a/./b/../c", "/x/../y/./tool"), "/x/../y/./tool");
}

}  // namespace qc
