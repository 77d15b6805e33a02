// The control window's page wheel and delay field arithmetic.

#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "ui/delay_field.h"
#include "ui/output_buffer.h"
#include "ui/page_wheel.h"

namespace {

using Place = std::pair<int, int>;  // top, left

Place PlaceOf(const WheelPoint& point) { return {point.top, point.left}; }

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
            EXPECT_EQ(PlaceOf(wheel.Panel(slot)), expected[page][slot]) << "page " << page << " slot " << slot;
        }
        const ScopePlace scope = wheel.Scope();
        EXPECT_EQ((std::vector<int>{scope.top, scope.height, scope.left, scope.width}),
                  (std::vector<int>{page == 0 ? 150 : 174, page == 0 ? 79 : 55, 5, 260}));
    }
}

TEST(PageWheel, StoredPagesOutsideTheFourKeepTheRemainderRule) {
    EXPECT_EQ(PageName(4), nullptr);
    EXPECT_EQ(PageName(-1), nullptr);
    const std::tuple<int, bool, int> cases[] = {
        {5, true, 0}, {-1, true, 2}, {-1, false, 0}, {-3, false, -2}, {6, false, 3}, {INT32_MAX, true, 2}, {INT32_MIN, true, -1}};
    for (const auto& [stored, next, turnedTo] : cases) {
        PageWheel wheel;
        wheel.Rest(stored);
        wheel.StartTurn(next);
        EXPECT_EQ(wheel.pageIndex, turnedTo) << stored;
    }
    // Slot k equal to the stored page modulo 4 is on top.
    PageWheel wheel;
    wheel.Rest(6);
    EXPECT_EQ(PlaceOf(wheel.Panel(2)), Place(32, 2));
}

TEST(ScopeDelayField, TakesTheLeadingWholeNumberWithinItsLimits) {
    const std::pair<const char*, int32_t> cases[] = {
        {"50", 100},      {"9999", 9999},  {"20000", 10000}, {"  1200ms", 1200},
        {"+700", 700},    {"-700", 100},   {"abc", 100},     {"", 100},
        {"99999999999999", 10000},         {"1000", 1000},   {"- 5", 100},
    };
    for (const auto& [text, delay] : cases) EXPECT_EQ(ScopeDelayFromText(text), delay) << text;

    // Under auto-detection the field takes the player's buffer, whatever case its output plug-in's name has.
    const PlayerSettingText read = [](const char* section, const char* key, const char* fallback) -> std::string {
        if (std::string_view(key) == "outname") return "OUT_DS.DLL";
        return std::string_view(section) == "out_ds" ? "700" : fallback;
    };
    EXPECT_EQ(OutputBufferText(read), "700");
}

}  // namespace
