#include "platform/mac_platform.h"

#include <gtest/gtest.h>

namespace qc {

// What a Mac runs, through a runner that only records. The clock is never
// set here: these tests may run as root on a real machine.
TEST(MacPlatform, RunsTheMacsOwnProgramsWithTheirArguments) {
    std::vector<std::vector<std::string>> ran;
    auto mac = macPlatform([&](const std::string& path, const std::vector<std::string>& arguments) {
        ran.push_back({path});
        ran.back().insert(ran.back().end(), arguments.begin(), arguments.end());
        return RunResult{0, "Network Time Server: 10.0.0.5\nNetwork Time: On\n"};
    });
    EXPECT_EQ(mac->currentTimeServer(), "10.0.0.5");
    EXPECT_EQ(mac->usingNetworkTime(), true);
    EXPECT_TRUE(mac->setTimeServer("time.example.com"));
    EXPECT_TRUE(mac->setUsingNetworkTime(true) && mac->setUsingNetworkTime(false));
    EXPECT_EQ(mac->runSntp("10.0.0.5").code, 0);
    EXPECT_TRUE(mac->giveToRootWheel("/L/job.plist", "644") && mac->changeMode("/S/last-sync", "644"));
    EXPECT_TRUE(mac->clearQuarantine("/L/tool"));
    const std::vector<std::vector<std::string>> expected = {
        {"/usr/sbin/systemsetup", "-getnetworktimeserver"},
        {"/usr/sbin/systemsetup", "-getusingnetworktime"},
        {"/usr/sbin/systemsetup", "-setnetworktimeserver", "time.example.com"},
        {"/usr/sbin/systemsetup", "-setusingnetworktime", "on"},
        {"/usr/sbin/systemsetup", "-setusingnetworktime", "off"},
        {"/usr/bin/sntp", "-sS", "10.0.0.5"},
        {"/usr/sbin/chown", "root:wheel", "/L/job.plist"},
        {"/bin/chmod", "644", "/L/job.plist"},
        {"/bin/chmod", "644", "/S/last-sync"},
        {"/usr/bin/xattr", "-dr", "com.apple.quarantine", "/L/tool"}};
    EXPECT_EQ(ran, expected);
    auto refusing = macPlatform([](const std::string&, const std::vector<std::string>&) {
        return RunResult{1, "You need administrator access to run this tool... exiting!\n"};
    });
    EXPECT_EQ(refusing->setTimeServer("x").error(), "You need administrator access to run this tool... exiting!");
}

TEST(SystemsetupOutput, OnlyTheFirstLineWithTheLabelCounts) {
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"Network Time Server: time.example.com   \n", "time.example.com"},
        {"\n\nstarting\nNetwork Time Server:\t10.0.0.5\u00a0\u3000\n", "10.0.0.5"},
        {"note: Network Time Server: a b\u2003\nNetwork Time Server: c\n", "a b"},
        {"Network Time Server:\nNetwork Time Server: later\n", std::nullopt},
        {"Network Time Server: \t\u2009\u202f\nNetwork Time Server: later\n", std::nullopt},
        {"Network Time Server: Network Time Server: x", "Network Time Server: x"},
        {"network time server: x\n", std::nullopt},
        {"You need administrator access to run this tool... exiting!\n", std::nullopt},
        {"", std::nullopt}};
    for (const auto& [output, value] : cases)
        EXPECT_EQ(systemsetupValueIn(output, "Network Time Server:"), value) << output;

    const std::pair<const char*, bool> switches[] = {{"Network Time: On\n", true},      {"Network Time: ON \n", true},
                                                     {"Network Time:\u00a0on\n", true}, {"Network Time: Off\n", false},
                                                     {"Network Time: onn\n", false},    {"Network Time: o n\n", false}};
    for (const auto& [output, on] : switches) EXPECT_EQ(networkTimeSwitchIn(output), on) << output;
    for (const char* output : {"Network Time:\n", "Network Time Server: on\n", ""})
        EXPECT_EQ(networkTimeSwitchIn(output), std::nullopt);
}

}  // namespace qc
