// The control window's page wheel and delay field arithmetic.

#include <gtest/gtest.h>

#include "ui/delay_field.h"
#include "ui/page_wheel.h"

namespace {

struct Place {
    int top, left;
    bool operator==(const WheelPoint& point) const { return top == point.top && left == point.left; }
};

TEST(PageWheel, PanelsAtRestSitOnTheWheelAroundTheCurrentPage) {
    // The current page on top, the next index to the left, two away below, one lower to the
    // right; the side pages' last pixel depends on how far the angle is from a right angle.
    const Place expected[kPageCount][kPageCount] = {
        // slot 0 (Main), 1 (Settings), 2 (Music), 3 (Bass)
        {{32, 2}, {241, -207}, {451, 2}, {242, 211}},    // Main current
        {{241, 211}, {32, 2}, {241, -207}, {451, 2}},    // Settings current
        {{451, 2}, {241, 211}, {32, 2}, {241, -207}},    // Music current
        {{242, -207}, {451, 2}, {241, 211}, {32, 2}},    // Bass current
    };
    for (int page = 0; page < kPageCount; ++page) {
        PageWheel wheel;
        wheel.Rest(page);
        EXPECT_FALSE(wheel.Tick());
        for (int slot = 0; slot < kPageCount; ++slot) {
            const WheelPoint point = wheel.Panel(slot);
            EXPECT_TRUE(expected[page][slot] == point)
                << "page " << page << " slot " << slot << ": " << point.top << ", " << point.left;
        }
        const ScopePlace scope = wheel.Scope();
        EXPECT_EQ(scope.top, page == 0 ? 150 : 174);
        EXPECT_EQ(scope.height, page == 0 ? 79 : 55);
        EXPECT_EQ(scope.top + scope.height, 229);
        EXPECT_EQ(scope.left, 5);
        EXPECT_EQ(scope.width, 260);
    }
}

TEST(PageWheel, StoredPagesOutsideTheFourKeepTheRemainderRule) {
    EXPECT_EQ(PageName(4), nullptr);
    EXPECT_EQ(PageName(-1), nullptr);
    struct Case {
        int stored;
        bool next;
        int turnedTo;
    };
    for (const Case& c : {Case{5, true, 0}, Case{-1, true, 2}, Case{-1, false, 0}, Case{-3, false, -2},
                          Case{6, false, 3}}) {
        PageWheel wheel;
        wheel.Rest(c.stored);
        wheel.StartTurn(c.next);
        EXPECT_EQ(wheel.pageIndex, c.turnedTo) << c.stored;
    }
    // Slot k equal to the stored page modulo 4 is on top.
    PageWheel wheel;
    wheel.Rest(6);
    EXPECT_TRUE((Place{32, 2} == wheel.Panel(2)));
}

TEST(ScopeDelayField, TakesTheLeadingWholeNumberWithinItsLimits) {
    const std::pair<const char*, int32_t> cases[] = {
        {"50", 100},      {"9999", 9999},  {"20000", 10000}, {"  1200ms", 1200},
        {"+700", 700},    {"-700", 100},   {"abc", 100},     {"", 100},
        {"99999999999999", 10000},         {"1000", 1000},   {"- 5", 100},
    };
    for (const auto& [text, delay] : cases) EXPECT_EQ(ScopeDelayFromText(text), delay) << text;
}

}  // namespace
