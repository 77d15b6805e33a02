#pragma once
// Where a window lands when it is dragged close to an edge of the screen's work area: an edge
// nearer than the snap distance sticks to it.

struct SnapRect {
    int left;
    int top;
    int right;
    int bottom;
};

// The window's new left and top for a move to (left, top) with its size, inside `workArea`.
void SnapToEdges(int& left, int& top, int width, int height, const SnapRect& workArea,
                 int snapDistance);
