#include <gtest/gtest.h>

#include "settings/time_settings.h"

namespace qc {
namespace {

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
        {"", std::nullopt},
    };
    for (const auto& [output, value] : cases)
        EXPECT_EQ(systemsetupValueIn(output, "Network Time Server:"), value) << output;

    const std::pair<const char*, std::optional<bool>> switches[] = {
        {"Network Time: On\n", true},  {"Network Time: ON \n", true}, {"Network Time:\u00a0on\n", true},
        {"Network Time: Off\n", false}, {"Network Time: onn\n", false}, {"Network Time: o n\n", false},
        {"Network Time:\n", std::nullopt}, {"Network Time Server: on\n", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [output, on] : switches) EXPECT_EQ(networkTimeSwitchIn(output), on) << output;
}

}  // namespace
}  // namespace qc
