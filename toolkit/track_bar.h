#pragma once

#include "toolkit/win_control.h"

// A horizontal slider (the platform's track bar). OnChange reports only real changes of
// Position, whether made by the user or in code.
class TTrackBar : public TWinControl {
public:
    explicit TTrackBar(TComponent* owner);

    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetRange(int min, int max);
    void SetMin(int min) { SetRange(min, max_); }
    void SetMax(int max) { SetRange(min_, max); }
    int Position() const { return position_; }
    // Clamps to Min..Max; reports a change only when the clamped value differs.
    void SetPosition(int position);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int pageSize);
    int Frequency() const { return frequency_; }
    void SetFrequency(int frequency);
    bool TickMarks() const { return tickMarks_; }
    void SetTickMarks(bool tickMarks) { tickMarks_ = tickMarks; }
    int ThumbLength() const { return thumbLength_; }
    void SetThumbLength(int thumbLength);

    void WndProc(TMessage& message) override;

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;

private:
    void Send(UINT message, WPARAM wParam, LPARAM lParam);

    int min_ = 0;
    int max_ = 10;
    int position_ = 0;
    int pageSize_ = 2;
    int frequency_ = 1;
    bool tickMarks_ = true;
    int thumbLength_ = 20;
};
