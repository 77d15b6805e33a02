#pragma once
// A DSP plug-in library loaded by path, with its header and its first module, as the player
// takes them. The library is freed when this object goes.

#include <windows.h>

#include <memory>
#include <string>

#include "host/dsp_records.h"

class PluginLibrary {
public:
    // Throws std::runtime_error when the library cannot be loaded or is no DSP plug-in.
    explicit PluginLibrary(const std::string& path);

    HINSTANCE Instance() const { return library_.get(); }
    const DspHeader& Header() const { return *header_; }
    DspModule& Module() const { return *module_; }

private:
    struct FreeLibraryDeleter {
        void operator()(HMODULE library) const { ::FreeLibrary(library); }
    };

    std::unique_ptr<std::remove_pointer_t<HMODULE>, FreeLibraryDeleter> library_;
    DspHeader* header_ = nullptr;
    DspModule* module_ = nullptr;
};
