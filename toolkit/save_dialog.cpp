#include "toolkit/save_dialog.h"

#include <algorithm>
#include <vector>

TSaveDialog::TSaveDialog(TComponent* owner) : TComponent(owner) {}

bool TSaveDialog::Execute(HWND owner) {
    // The platform takes the filter's pairs separated by NULs, ending in two.
    std::string filter = filter_;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    filter.append(2, '\0');
    std::string extension = defaultExt_;
    if (extension.rfind("*.", 0) == 0) extension.erase(0, 2);

    std::vector<char> file(MAX_PATH, '\0');
    fileName_.copy(file.data(), std::min(fileName_.size(), file.size() - 1));
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = initialDir_.empty() ? nullptr : initialDir_.c_str();
    dialog.lpstrTitle = title_.empty() ? nullptr : title_.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = options_;
    if (!::GetSaveFileNameA(&dialog)) return false;
    fileName_ = file.data();
    return true;
}
