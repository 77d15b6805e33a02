#include "toolkit/mouse_tracking.h"

namespace {
thread_local TControl* captureControl = nullptr;
thread_local TControl* mouseControl = nullptr;
}  // namespace

namespace MouseTracking {

TControl* CaptureControl() { return captureControl; }
void SetCaptureControl(TControl* control) { captureControl = control; }
TControl* MouseControl() { return mouseControl; }
void SetMouseControl(TControl* control) { mouseControl = control; }

void Forget(TControl* control) {
    if (captureControl == control) captureControl = nullptr;
    if (mouseControl == control) mouseControl = nullptr;
}

}  // namespace MouseTracking
