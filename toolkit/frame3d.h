#pragma once

#include <windows.h>

#include "toolkit/canvas.h"

// Draws a sunken or raised frame of the given width just inside rect (top-left edges in
// topLeft, bottom-right edges in bottomRight) and shrinks rect by it.
void Frame3D(TCanvas& canvas, RECT& rect, TColor topLeft, TColor bottomRight, int width);
