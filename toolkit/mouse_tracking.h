#pragma once

class TControl;

// The control under the mouse and the control holding the mouse capture, for the thread that
// runs the windows. A graphic control cannot hold a system capture itself: its parent's
// window does, and passes the messages on.
namespace MouseTracking {

TControl* CaptureControl();
void SetCaptureControl(TControl* control);
TControl* MouseControl();
void SetMouseControl(TControl* control);
// A control going away must not be named by either.
void Forget(TControl* control);

}  // namespace MouseTracking
