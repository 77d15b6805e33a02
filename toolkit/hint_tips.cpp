#include "toolkit/hint_tips.h"

#include <commctrl.h>

#include "toolkit/common_controls.h"
#include "toolkit/module_instance.h"

namespace {

TOOLINFOA Tool(HWND window, UINT_PTR id, UINT flags) {
    TOOLINFOA tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = flags | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = id;
    tool.hinst = ModuleInstance();
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    return tool;
}

}  // namespace

THintTips::THintTips(HWND topLevel) {
    InitCommonControlsOnce();
    handle_ = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, topLevel, nullptr,
                                ModuleInstance(), nullptr);
    if (handle_) ::SendMessageA(handle_, TTM_SETMAXTIPWIDTH, 0, 300);
}

THintTips::~THintTips() {
    if (handle_) ::DestroyWindow(handle_);
}

void THintTips::AddWindow(HWND parent, HWND control) {
    TOOLINFOA tool = Tool(parent, reinterpret_cast<UINT_PTR>(control), TTF_IDISHWND);
    ::SendMessageA(handle_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void THintTips::AddArea(HWND window, UINT_PTR id, const RECT& area) {
    TOOLINFOA tool = Tool(window, id, 0);
    tool.rect = area;
    ::SendMessageA(handle_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void THintTips::MoveArea(HWND window, UINT_PTR id, const RECT& area) {
    TOOLINFOA tool = Tool(window, id, 0);
    tool.rect = area;
    ::SendMessageA(handle_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
}

void THintTips::RemoveArea(HWND window, UINT_PTR id) {
    TOOLINFOA tool = Tool(window, id, 0);
    ::SendMessageA(handle_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}
