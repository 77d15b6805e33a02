#pragma once
// A module started by the player: its parent window and library instance filled in, Init called;
// Quit is called when this object goes, also when playing fails.

#include <windows.h>

#include <stdexcept>
#include <string>

#include "host/dsp_records.h"

class StartedModule {
public:
    StartedModule(DspModule& module, HWND playerWindow, HINSTANCE library) : module_(module) {
        module_.hwndParent = playerWindow;
        module_.hDllInstance = library;
        const int32_t result = module_.Init(&module_);
        if (result != 0) {
            throw std::runtime_error("the plug-in failed to start (Init gave " + std::to_string(result) + ")");
        }
    }
    ~StartedModule() { module_.Quit(&module_); }
    StartedModule(const StartedModule&) = delete;
    StartedModule& operator=(const StartedModule&) = delete;

private:
    DspModule& module_;
};
