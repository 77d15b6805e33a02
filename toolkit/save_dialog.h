#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>

#include "toolkit/component.h"

// The platform's "save as" file dialog. The filter is "Description|pattern" pairs; the file
// name confirmed last is kept and offered again at the next Execute.
class TSaveDialog : public TComponent {
public:
    explicit TSaveDialog(TComponent* owner);

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    // Given to a name typed without an extension; a leading "*." is left out.
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& extension) { defaultExt_ = extension; }
    DWORD Options() const { return options_; }
    // OFN_ flags.
    void SetOptions(DWORD options) { options_ = options; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& folder) { initialDir_ = folder; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& fileName) { fileName_ = fileName; }

    // Shows the dialog, owned by the given window, until the user confirms or cancels; a name
    // longer than the platform's path limit counts as cancelled.
    bool Execute(HWND owner);

private:
    std::string title_;
    std::string filter_;
    std::string defaultExt_;
    DWORD options_ = 0;
    std::string initialDir_;
    std::string fileName_;
};
