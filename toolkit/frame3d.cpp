#include "toolkit/frame3d.h"

void Frame3D(TCanvas& canvas, RECT& rect, TColor topLeft, TColor bottomRight, int width) {
    canvas.Pen().Width = 1;
    for (int ring = 0; ring < width; ++ring) {
        --rect.right;
        --rect.bottom;
        canvas.Pen().Color = topLeft;
        const POINT upperLeft[3] = {{rect.left, rect.bottom}, {rect.left, rect.top},
                                    {rect.right, rect.top}};
        canvas.Polyline(upperLeft, 3);
        canvas.Pen().Color = bottomRight;
        const POINT lowerRight[3] = {{rect.right, rect.top}, {rect.right, rect.bottom},
                                     {rect.left - 1, rect.bottom}};
        canvas.Polyline(lowerRight, 3);
        ++rect.left;
        ++rect.top;
    }
}
