#pragma once
// The notification-area calls of the test program, recorded instead of reaching the shell. Under
// wine without a window manager the shell hides a window of its own when the last icon goes,
// which takes two seconds; and what the shell shows is not what the tests check.

#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <string>
#include <vector>

// What one call to Shell_NotifyIconA carried.
struct ShellCall {
    DWORD command;
    UINT flags;
    std::string tip;
    bool withIcon;
    std::string info;
    std::string infoTitle;
    DWORD infoFlags;
    UINT timeout;
    std::chrono::steady_clock::time_point at;
};

// While it lives, the test program's import of Shell_NotifyIconA points at the recorder, which
// notes each call and accepts it.
class ShellRecorder {
public:
    ShellRecorder() : slot_(ImportSlot()) {
        if (!slot_) return;
        shell_ = *slot_;
        active_ = this;
        Point(&Record);
    }
    ~ShellRecorder() {
        if (slot_) Point(shell_);
        active_ = nullptr;
    }
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    // The calls with a balloon part.
    std::vector<ShellCall> Balloons() const {
        std::vector<ShellCall> balloons;
        for (const ShellCall& call : calls)
            if (call.flags & NIF_INFO) balloons.push_back(call);
        return balloons;
    }

    std::vector<ShellCall> calls;

private:
    using ShellNotify = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);

    static BOOL WINAPI Record(DWORD command, PNOTIFYICONDATAA data) {
        active_->calls.push_back({command, data->uFlags, data->szTip, data->hIcon != nullptr, data->szInfo,
                                  data->szInfoTitle, data->dwInfoFlags, data->uTimeout, std::chrono::steady_clock::now()});
        return TRUE;
    }

    // The program's import slot of the function; naming the function would read that slot.
    static ShellNotify* ImportSlot() {
        const auto function = reinterpret_cast<ShellNotify>(
            reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleA("shell32.dll"), "Shell_NotifyIconA")));
        auto* base = reinterpret_cast<BYTE*>(::GetModuleHandleA(nullptr));
        const auto* headers =
            reinterpret_cast<const IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
        const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
             library->Name != 0; ++library)
            for (auto* slot = reinterpret_cast<ShellNotify*>(base + library->FirstThunk); *slot; ++slot)
                if (*slot == function) return slot;
        return nullptr;
    }

    void Point(ShellNotify function) {
        DWORD protection = 0;
        ::VirtualProtect(slot_, sizeof(*slot_), PAGE_READWRITE, &protection);
        *slot_ = function;
        ::VirtualProtect(slot_, sizeof(*slot_), protection, &protection);
    }

    static inline ShellNotify shell_ = nullptr;
    static inline ShellRecorder* active_ = nullptr;
    ShellNotify* slot_;
};
