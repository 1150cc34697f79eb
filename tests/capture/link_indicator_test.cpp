#include "capture/link_indicator.h"

#include <gtest/gtest.h>

namespace kestrovin {
namespace {

TEST(LinkIndicator, FollowsDecodedListsAndTimesOut) {
    LinkIndicator led;
    EXPECT_EQ(led.state(), LedState::Off);
    EXPECT_FALSE(led.timer_running());

    led.FrameDecoded(true);
    EXPECT_EQ(led.state(), LedState::On);
    EXPECT_TRUE(led.timer_running());
    led.FrameDecoded(true);  // a second good frame within 600 ms: still On, no Off between
    EXPECT_EQ(led.state(), LedState::On);
    led.FrameDecoded(false);
    EXPECT_EQ(led.state(), LedState::Err);
    EXPECT_TRUE(led.timer_running());
    led.Timer7Timer();
    EXPECT_EQ(led.state(), LedState::Off);
    EXPECT_FALSE(led.timer_running());

    led.ReadingStopped();
    EXPECT_TRUE(led.timer_running());
}

TEST(LinkIndicator, OnlyThreeStateValuesChangeThePicture) {
    LinkIndicator led;
    led.SetLedDSR(1);
    led.SetLedDSR(2);
    EXPECT_EQ(led.state(), LedState::On);
    led.SetLedDSR(-2);
    EXPECT_EQ(led.state(), LedState::On);
    led.SetLedDSR(-1);
    EXPECT_EQ(led.state(), LedState::Err);
    led.SetLedDSR(0);
    EXPECT_EQ(led.state(), LedState::Off);
}

}  // namespace
}  // namespace kestrovin
