#pragma once

#include <windows.h>

class TWinControl;

// The application as the toolkit's components see it: its own window (none when the code runs
// as a plug-in library inside another program), its main form, and its message queue.
class TApplication {
public:
    TApplication() = default;
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // The application's own window, or none.
    HWND Handle() const { return handle_; }
    void SetHandle(HWND handle) { handle_ = handle; }

    // The main form, or none. The form clears it when it is destroyed.
    TWinControl* MainForm() const { return mainForm_; }
    void SetMainForm(TWinControl* form) { mainForm_ = form; }

    // Whether the main form is shown when the application starts.
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool show) { showMainForm_ = show; }

    // True once a quit request was seen by ProcessMessages.
    bool Terminated() const { return terminated_; }

    // Dispatches every message waiting in the thread's queue, then returns. A quit request ends
    // the processing and is put back for the thread's own message loop.
    void ProcessMessages();

private:
    HWND handle_ = nullptr;
    TWinControl* mainForm_ = nullptr;
    bool showMainForm_ = true;
    bool terminated_ = false;
};

// The one application object of the module.
TApplication& Application();
