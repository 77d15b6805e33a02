#include "toolkit/track_bar.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/common_controls.h"

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetParentColor(true);
    SetBounds(0, 0, 150, 45);
}

void TTrackBar::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    if (HandleAllocated()) ::SendMessageA(Handle(), message, wParam, lParam);
}

void TTrackBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    Send(TBM_SETRANGEMIN, FALSE, min_);
    Send(TBM_SETRANGEMAX, TRUE, max_);
    SetPosition(position_);
}

void TTrackBar::SetPosition(int position) {
    position = std::clamp(position, min_, max_);
    if (position == position_) return;
    position_ = position;
    Send(TBM_SETPOS, TRUE, position_);
    OnChange(this);
}

void TTrackBar::SetPageSize(int pageSize) {
    pageSize_ = pageSize;
    Send(TBM_SETPAGESIZE, 0, pageSize_);
}

void TTrackBar::SetFrequency(int frequency) {
    frequency_ = frequency;
    Send(TBM_SETTICFREQ, frequency_, 0);
}

void TTrackBar::SetThumbLength(int thumbLength) {
    thumbLength_ = thumbLength;
    Send(TBM_SETTHUMBLENGTH, thumbLength_, 0);
}

void TTrackBar::CreateParams(TCreateParams& params) {
    InitCommonControlsOnce();
    TWinControl::CreateParams(params);
    params.SystemClass = TRACKBAR_CLASSA;
    params.Style |= TBS_HORZ | TBS_FIXEDLENGTH | (tickMarks_ ? TBS_BOTTOM : TBS_NOTICKS);
}

void TTrackBar::CreateWnd() {
    TWinControl::CreateWnd();
    Send(TBM_SETTHUMBLENGTH, thumbLength_, 0);
    Send(TBM_SETRANGEMIN, FALSE, min_);
    Send(TBM_SETRANGEMAX, FALSE, max_);
    Send(TBM_SETTICFREQ, frequency_, 0);
    Send(TBM_SETPAGESIZE, 0, pageSize_);
    Send(TBM_SETPOS, TRUE, position_);
}

void TTrackBar::WndProc(TMessage& message) {
    if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
        SetPosition(static_cast<int>(::SendMessageA(Handle(), TBM_GETPOS, 0, 0)));
        return;
    }
    TWinControl::WndProc(message);
}
