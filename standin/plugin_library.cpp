#include "standin/plugin_library.h"

#include <stdexcept>

PluginLibrary::PluginLibrary(const std::string& path) : library_(::LoadLibraryA(path.c_str())) {
    if (!library_) {
        throw std::runtime_error(path + ": cannot load the plug-in (error " +
                                 std::to_string(::GetLastError()) + ")");
    }
    const FARPROC address = ::GetProcAddress(library_.get(), kDspExportName);
    if (address == nullptr) {
        throw std::runtime_error(path + ": no " + kDspExportName + " export, not a DSP plug-in");
    }
    // Through void(*)(): the one function type that converts to any other without a warning.
    const auto getHeader =
        reinterpret_cast<GetDspHeaderFunction>(reinterpret_cast<void (*)()>(address));
    header_ = getHeader();
    if (header_ == nullptr || header_->version != kDspHeaderVersion ||
        header_->getModule == nullptr) {
        throw std::runtime_error(path + ": not a DSP plug-in of header version 0x20");
    }
    module_ = header_->getModule(0);
    if (module_ == nullptr) throw std::runtime_error(path + ": the plug-in offers no module");
}
