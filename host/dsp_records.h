#pragma once
// The player's DSP plug-in interface, header version 0x20: the header and module records.

#include <windows.h>

#include <cstddef>
#include <cstdint>

struct DspModule;

struct DspHeader {
    int32_t version;
    const char* description;
    DspModule* (*getModule)(int32_t index);
};

struct DspModule {
    const char* description;
    HWND hwndParent;        // the player stores its main window here before Init
    HINSTANCE hDllInstance; // the player stores the library's instance here
    void (*Config)(DspModule* module);
    int32_t (*Init)(DspModule* module);
    int32_t (*ModifySamples)(DspModule* module, int16_t* samples, int32_t frames,
                             int32_t bitsPerSample, int32_t channels, int32_t sampleRate);
    void (*Quit)(DspModule* module);
};

inline constexpr int32_t kDspHeaderVersion = 0x20;
inline constexpr char kDspExportName[] = "winampDSPGetHeader2";
using GetDspHeaderFunction = DspHeader* (*)();

// Every field is one pointer wide, in this order: 12 and 28 bytes in the 32-bit library.
static_assert(sizeof(DspHeader) == 3 * sizeof(void*));
static_assert(offsetof(DspHeader, description) == 1 * sizeof(void*));
static_assert(offsetof(DspHeader, getModule) == 2 * sizeof(void*));
static_assert(sizeof(DspModule) == 7 * sizeof(void*));
static_assert(offsetof(DspModule, hwndParent) == 1 * sizeof(void*));
static_assert(offsetof(DspModule, hDllInstance) == 2 * sizeof(void*));
static_assert(offsetof(DspModule, Config) == 3 * sizeof(void*));
static_assert(offsetof(DspModule, Init) == 4 * sizeof(void*));
static_assert(offsetof(DspModule, ModifySamples) == 5 * sizeof(void*));
static_assert(offsetof(DspModule, Quit) == 6 * sizeof(void*));
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(DspHeader) == 12 && sizeof(DspModule) == 28);
#endif
