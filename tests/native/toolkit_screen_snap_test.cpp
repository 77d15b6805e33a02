// A window moved near an edge of the work area sticks to it.

#include <gtest/gtest.h>

#include "toolkit/screen_snap.h"

TEST(ScreenSnap, EdgesCloserThanTheBufferStickAndOthersStayPut) {
    const SnapRect work = {0, 0, 1280, 994};  // a task bar of 30 pixels below
    struct Move {
        int left, top, wantLeft, wantTop;
    } const moves[] = {
        {300, 200, 300, 200},     // far from every edge
        {9, 200, 0, 200},         // left edge, just inside the buffer
        {-9, 200, 0, 200},        // and just beyond it
        {10, 200, 10, 200},       // the buffer is exclusive
        {300, 5, 300, 0},         // top edge
        {1000, 200, 1005, 200},   // right edge: 1280 - 275
        {300, 720, 300, 726},     // bottom of the work area, not of the screen: 994 - 268
        {3, 730, 0, 726},         // a corner
    };
    for (const Move& move : moves) {
        int left = move.left, top = move.top;
        SnapToEdges(left, top, 275, 268, work, 10);
        EXPECT_EQ(left, move.wantLeft) << move.left << "," << move.top;
        EXPECT_EQ(top, move.wantTop) << move.left << "," << move.top;
    }
}
