#pragma once

#include <windows.h>

// The hints (tooltips) of one top-level window: every control in it is a tool whose text is
// asked for when the tip is about to show, so a hint changed at any time shows as it is then.
// A control without ShowHint, or with an empty hint, answers nothing and shows no tip.
class THintTips {
public:
    explicit THintTips(HWND topLevel);
    THintTips(const THintTips&) = delete;
    THintTips& operator=(const THintTips&) = delete;
    ~THintTips();

    HWND Handle() const { return handle_; }
    // A windowed control; its parent window is asked for the text.
    void AddWindow(HWND parent, HWND control);
    // An area of a window (a graphic control's bounds), named by id; the window is asked.
    void AddArea(HWND window, UINT_PTR id, const RECT& area);
    void MoveArea(HWND window, UINT_PTR id, const RECT& area);
    void RemoveArea(HWND window, UINT_PTR id);

private:
    HWND handle_ = nullptr;
};
