#include "settings/player_files.h"

namespace {

// Opens the file for writing as the profile functions do; one made for the test is removed again.
bool CanWrite(const std::string& path) {
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool created = ::GetLastError() != ERROR_ALREADY_EXISTS;
    ::CloseHandle(file);
    if (created) ::DeleteFileA(path.c_str());
    return true;
}

std::string ReportedSettingsPath(HWND playerWindow) {
    if (playerWindow == nullptr) return {};
    const auto* path = reinterpret_cast<const char*>(::SendMessageA(playerWindow, WM_WA_IPC, 0, IPC_GETINIFILE));
    return path != nullptr ? CutPath(path) : std::string();
}

}  // namespace

std::string ExecutableFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return FolderOf(path);
}

PlayerFiles LocatePlayerFiles(const std::string& programFolder, HWND playerWindow) {
    std::string settings = SettingsPathIn(programFolder);
    if (!CanWrite(settings)) {
        const std::string reported = ReportedSettingsPath(playerWindow);
        if (!reported.empty()) settings = reported;
    }
    return {settings, PresetFolderIn(FolderOf(settings))};
}
