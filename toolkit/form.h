#pragma once

#include <memory>

#include "toolkit/hint_tips.h"
#include "toolkit/screen_snap.h"
#include "toolkit/win_control.h"

enum class TFormBorderStyle { bsDialog, bsSingle, bsSizeable, bsNone };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseQueryEvent = TEvent<TObject*, bool&>;
using TCloseEvent = TEvent<TObject*, TCloseAction&>;

// The outside sizes a user can give a form by dragging its frame or maximising it; 0 sets no limit.
struct TSizeConstraints {
    int MinWidth = 0;
    int MinHeight = 0;
    int MaxWidth = 0;
    int MaxHeight = 0;
};

constexpr int mrNone = 0;
constexpr int mrOk = 1;
constexpr int mrCancel = 2;

// A top-level window holding controls. OnCreate follows the "loaded" step (EndLoading);
// OnShow and OnHide come as the window turns visible or invisible; a close request asks
// OnCloseQuery, then OnClose picks what closing does (hiding, by default); OnDestroy runs first
// in the destructor. A form can be owned by another window and shown modally.
class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style) { borderStyle_ = style; }
    void SetClientSize(int width, int height);
    void SetIcon(HICON icon);
    // A form that snaps sticks to an edge of the work area when moved within SnapBuffer of it.
    bool ScreenSnap() const { return screenSnap_; }
    void SetScreenSnap(bool snap) { screenSnap_ = snap; }
    int SnapBuffer() const { return snapBuffer_; }
    void SetSnapBuffer(int pixels) { snapBuffer_ = pixels; }
    TSizeConstraints& Constraints() { return constraints_; }
    // A form that scrolls shows a vertical scroll bar while its controls reach below its client
    // area; scrolling moves the controls.
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool autoScroll);
    // How many pixels of the contents are scrolled out above the client area.
    int VertScrollPosition() const { return scrollTop_; }
    void SetVertScrollPosition(int position);

    void Show();
    void Hide();
    // Asks OnCloseQuery, then acts on OnClose's choice.
    void Close();
    // Shows the form, disabling its owner window, until ModalResult is set; returns it.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }
    bool Modal() const { return modal_; }
    // The hints of the controls in this form; none before its window exists.
    const THintTips* Hints() const { return hints_.get(); }

    void Loaded() override;
    void WndProc(TMessage& message) override;

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TCloseQueryEvent OnCloseQuery;
    TCloseEvent OnClose;
    TNotifyEvent OnDestroy;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    THintTips* OwnHintTips() override { return hints_.get(); }

private:
    // The bottom of the lowest visible control, as if the contents were not scrolled.
    int ContentHeight() const;
    void UpdateScrollRange();
    void ScrollRequest(int request, int thumbPosition);

    std::unique_ptr<THintTips> hints_;
    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    int modalResult_ = mrNone;
    bool modal_ = false;
    bool freeing_ = false;
    bool followingWindow_ = false;  // Visible is being set from the window's own change
    bool screenSnap_ = false;
    int snapBuffer_ = 10;
    TSizeConstraints constraints_;
    bool autoScroll_ = false;
    int scrollTop_ = 0;
};
