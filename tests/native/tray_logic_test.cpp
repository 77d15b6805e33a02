#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/CoolTrayIconClicks.h"
#include "controls/CoolTrayIconCycling.h"
#include "controls/CoolTrayIconText.h"

namespace {

// Without a double-click handler the wait never runs: the release reports the click at once.
TEST(TrayClickDecision, WithoutWaitTheReleaseReportsTheClickAndADoubleClickAddsNone) {
    TrayClickDecision clicks;
    clicks.LeftPress();
    EXPECT_TRUE(clicks.LeftButtonDown());
    EXPECT_TRUE(clicks.LeftRelease(false));
    EXPECT_FALSE(clicks.ClickPending());

    // The shell's double click replaces the second press, so the second release finds no press.
    clicks.DoubleClick();
    EXPECT_FALSE(clicks.LeftRelease(false));
}

TEST(TrayClickDecision, WithWaitTheClickComesOnlyWhenTheWaitEnds) {
    TrayClickDecision clicks;
    clicks.LeftPress();
    EXPECT_FALSE(clicks.LeftRelease(true));
    EXPECT_TRUE(clicks.ClickPending());
    EXPECT_TRUE(clicks.WaitElapsed());
    EXPECT_FALSE(clicks.ClickPending());
    EXPECT_FALSE(clicks.WaitElapsed());  // reported once only
}

TEST(TrayClickDecision, DoubleClickDuringTheWaitSwallowsTheClickOnce) {
    TrayClickDecision clicks;
    clicks.LeftPress();
    EXPECT_FALSE(clicks.LeftRelease(true));
    clicks.DoubleClick();
    EXPECT_FALSE(clicks.LeftRelease(true));
    EXPECT_FALSE(clicks.WaitElapsed());
    EXPECT_FALSE(clicks.DoubleClicked());

    // The next single click is reported again.
    clicks.LeftPress();
    EXPECT_FALSE(clicks.LeftRelease(true));
    EXPECT_TRUE(clicks.WaitElapsed());
}

TEST(TrayClickDecision, PressHeldPastTheWaitIsReportedOnRelease) {
    TrayClickDecision clicks;
    clicks.LeftPress();
    EXPECT_FALSE(clicks.WaitElapsed());
    EXPECT_TRUE(clicks.LeftRelease(false));
}

TEST(TrayText, FieldsKeepAtMostOneCharacterLessThanTheirSizeAndAreZeroFilled) {
    char tip[128];
    std::memset(tip, 'x', sizeof(tip));
    CopyTruncated(tip, std::string(200, 'h'));
    EXPECT_EQ(std::string(tip), std::string(127, 'h'));
    EXPECT_EQ(tip[127], '\0');

    char title[64];
    CopyTruncated(title, std::string(100, 't'));
    EXPECT_EQ(std::string(title).size(), 63u);
    char info[256];
    CopyTruncated(info, std::string(300, 'i'));
    EXPECT_EQ(std::string(info).size(), 255u);

    // A shorter text leaves nothing of the longer one before it.
    CopyTruncated(tip, "Velora Enhancer");
    EXPECT_STREQ(tip, "Velora Enhancer");
    for (std::size_t index = 15; index < sizeof(tip); ++index) ASSERT_EQ(tip[index], '\0');

    CopyTruncated(tip, std::string("ab\0cd", 5));
    EXPECT_STREQ(tip, "ab");
    EXPECT_EQ(tip[3], '\0');
}

TEST(TrayCycling, IndexIsClampedIntoTheListAndCyclesBackToTheFirst) {
    EXPECT_EQ(ClampIconIndex(5, 3), 2);
    EXPECT_EQ(ClampIconIndex(1, 3), 1);
    EXPECT_EQ(ClampIconIndex(-4, 3), 0);
    EXPECT_EQ(ClampIconIndex(0, 0), 0);
    EXPECT_EQ(ClampIconIndex(7, 0), 0);

    int index = 0;
    std::string shown;
    for (int tick = 0; tick < 5; ++tick) {
        index = NextCycleIndex(index, 3);
        shown += std::to_string(index);
    }
    EXPECT_EQ(shown, "12012");
    EXPECT_EQ(NextCycleIndex(0, 1), 0);
    EXPECT_EQ(NextCycleIndex(0, 0), 0);
}

}  // namespace
