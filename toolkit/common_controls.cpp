#include "toolkit/common_controls.h"

#include <windows.h>
#include <commctrl.h>

void InitCommonControlsOnce() {
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)initialised;
}
