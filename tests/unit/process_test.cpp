#include "common/process.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "common/files.h"

namespace qc {

class Run : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mkdtemp(dir_)); }
    void TearDown() override { (void)removeTree(dir_); }
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

}  // namespace qc
