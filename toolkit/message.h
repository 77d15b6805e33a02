#pragma once

#include <windows.h>

// One window message as a control's WndProc sees it; Result is what the window procedure answers.
struct TMessage {
    UINT Msg;
    WPARAM WParam;
    LPARAM LParam;
    LRESULT Result;
};

// Notices the toolkit sends to its own controls (never to a system window class).
enum : UINT {
    CM_BASE = 0xB000,
    CM_MOUSEENTER = CM_BASE + 1,
    CM_MOUSELEAVE = CM_BASE + 2,
    CM_ENABLEDCHANGED = CM_BASE + 3,
    CM_VISIBLECHANGED = CM_BASE + 4,
    CM_PARENTCOLORCHANGED = CM_BASE + 5,
    CM_TEXTCHANGED = CM_BASE + 6,
    CM_FONTCHANGED = CM_BASE + 7,
    CM_COLORCHANGED = CM_BASE + 8,
    CM_SHOWHINTCHANGED = CM_BASE + 9,
    // A parent hands the notifications of its child windows back to the child as CN_BASE + message.
    CN_BASE = 0xBC00,
    CN_COMMAND = CN_BASE + WM_COMMAND,
    CN_NOTIFY = CN_BASE + WM_NOTIFY,
    CN_HSCROLL = CN_BASE + WM_HSCROLL,
    CN_VSCROLL = CN_BASE + WM_VSCROLL,
    CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC,
    CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT,
    CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN,
    CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX,
};
