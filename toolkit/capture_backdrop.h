#pragma once

#include "toolkit/canvas.h"
#include "toolkit/control.h"

// Paints into the canvas what the control's parent shows under the control, in the control's
// own coordinates: the parent's background and face, then the parent's graphic children that
// come before the control and overlap it. Controls that look transparent draw themselves on
// top of this. A control without a parent leaves the canvas as it is.
void CaptureBackdrop(TControl& control, TCanvas& canvas);
