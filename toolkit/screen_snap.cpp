#include "toolkit/screen_snap.h"

#include <cstdlib>

namespace {

// One axis: the near edge wins over the far one when both are close.
int SnapAxis(int start, int size, int areaStart, int areaEnd, int snapDistance) {
    if (std::abs(start - areaStart) < snapDistance) return areaStart;
    if (std::abs(start + size - areaEnd) < snapDistance) return areaEnd - size;
    return start;
}

}  // namespace

void SnapToEdges(int& left, int& top, int width, int height, const SnapRect& workArea,
                 int snapDistance) {
    left = SnapAxis(left, width, workArea.left, workArea.right, snapDistance);
    top = SnapAxis(top, height, workArea.top, workArea.bottom, snapDistance);
}
