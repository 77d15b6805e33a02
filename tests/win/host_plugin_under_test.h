#pragma once
// The plug-in library under test, loaded once for the whole test process. Its state is
// process-wide, so every test shares the one module and the knowledge of whether it is started.

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/dsp_records.h"
#include "standin/player_window.h"

class PluginUnderTest {
public:
    static PluginUnderTest& Get() {
        static PluginUnderTest plugin;
        return plugin;
    }

    DspHeader* Header() const {
        const FARPROC address = ::GetProcAddress(library_, kDspExportName);
        return reinterpret_cast<GetDspHeaderFunction>(reinterpret_cast<void (*)()>(address))();
    }

    DspModule& Module() const { return *module_; }

    // Init as the player calls it: its main window and the library's instance filled in first.
    void Start() {
        module_->hwndParent = owner_.Handle();
        module_->hDllInstance = library_;
        EXPECT_EQ(module_->Init(module_), 0);
        started_ = true;
    }

    void Stop() {
        module_->Quit(module_);
        started_ = false;
    }

    void StartIfStopped() {
        if (!started_) Start();
    }

    void StopIfStarted() {
        if (started_) Stop();
    }

    // One block through the process entry; false when the entry changed its length.
    bool Process(std::vector<int16_t>& block, int32_t channels, int32_t sampleRate = 44100) {
        const auto frames = static_cast<int32_t>(block.size()) / channels;
        return module_->ModifySamples(module_, block.data(), frames, 16, channels, sampleRate) == frames;
    }

private:
    PluginUnderTest() : library_(::LoadLibraryA(VELORA_PLUGIN_DLL)) {
        if (library_ == nullptr) {
            std::fprintf(stderr, "cannot load %s\n", VELORA_PLUGIN_DLL);
            std::abort();
        }
        module_ = Header()->getModule(0);
    }

    HMODULE library_;
    DspModule* module_ = nullptr;
    PlayerWindow owner_;
    bool started_ = false;
};

// A copy of the library in a folder of its own, loaded as a second library with its own
// process-wide state; removed again with the folder when done.
class LibraryCopy {
public:
    LibraryCopy() {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        static int copies = 0;
        folder_ = std::string(temp) + "velora-elsewhere-" + std::to_string(::GetCurrentProcessId()) +
                  "-" + std::to_string(++copies) + "\\";
        ::CreateDirectoryA(folder_.c_str(), nullptr);
        ::CopyFileA(VELORA_PLUGIN_DLL, (folder_ + "dsp_vlra.dll").c_str(), FALSE);
        library_ = ::LoadLibraryA((folder_ + "dsp_vlra.dll").c_str());
        if (library_ == nullptr) return;
        module_ = reinterpret_cast<GetDspHeaderFunction>(
            reinterpret_cast<void (*)()>(::GetProcAddress(library_, kDspExportName)))()->getModule(0);
        module_->hwndParent = owner_.Handle();
        module_->hDllInstance = library_;
    }
    ~LibraryCopy() {
        if (library_ != nullptr) ::FreeLibrary(library_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    LibraryCopy(const LibraryCopy&) = delete;
    LibraryCopy& operator=(const LibraryCopy&) = delete;

    HMODULE Library() const { return library_; }
    DspModule& Module() const { return *module_; }
    const std::string& Folder() const { return folder_; }

private:
    std::string folder_;
    HMODULE library_ = nullptr;
    DspModule* module_ = nullptr;
    // It reports a settings file elsewhere, which the writable program folder's file still wins over.
    PlayerWindow owner_{"C:\\users\\listener\\Winamp\\winamp.ini"};
};

// Bass and mid tones at a level the enhancer audibly changes.
inline std::vector<int16_t> TestTone(int32_t frames, int32_t channels) {
    std::vector<int16_t> samples(static_cast<size_t>(frames) * channels);
    for (int32_t frame = 0; frame < frames; ++frame) {
        for (int32_t channel = 0; channel < channels; ++channel) {
            const double t = frame / 44100.0;
            const double value = 9000 * std::sin(2 * std::numbers::pi * 60 * t) +
                                 5000 * std::sin(2 * std::numbers::pi * 700 * t + channel) + 3000;
            samples[static_cast<size_t>(frame) * channels + channel] = static_cast<int16_t>(value);
        }
    }
    return samples;
}
