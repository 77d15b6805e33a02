// The library's one export and the module's four entry points.

#include <windows.h>

#include <cstdlib>
#include <new>

#include "host/dsp_records.h"
#include "host/host_values.h"
#include "settings/player_files.h"
#include "ui/Unit_about.h"
#include "ui/simpleform.h"

EngineHandOver handOver;
HWND hostWindow = nullptr;

namespace {

// The engine's state and its 2 MB scope ring live in zero-filled storage and are set to their
// start values when the library loads, not stored in the file.
alignas(Engine) unsigned char engineStorage[sizeof(Engine)];

int16_t* inputCopy = nullptr;
TForm_s* Form_s = nullptr;

DspHeader header;
DspModule module;

DspModule* getModule(int32_t index);

void Config(DspModule*) { OpenAboutWindow(Form_s); }

int32_t Init(DspModule* record) {
    handOver.HoldEngine();
    ::Sleep(200);
    const PlayerFiles files = LocatePlayerFiles(ExecutableFolder(), record->hwndParent);
    settingsPath = files.settingsPath;
    presetFolder = files.presetFolder;
    hostWindow = record->hwndParent;
    Form_s = new TForm_s(engine.inputs, engine.display, handOver.engineBypass);
    // Owned by the player's window: above it, and minimised and destroyed with it.
    ::SetWindowLongPtrA(Form_s->Handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(hostWindow));
    // Its show loads the stored settings into the controls, which write the engine's inputs.
    Form_s->Show();
    if (inputCopy == nullptr) inputCopy = static_cast<int16_t*>(std::malloc(kInputCopyBytes));
    engine.inputCopy = inputCopy;
    handOver.ReleaseEngine();
    return 0;
}

int32_t ModifySamples(DspModule*, int16_t* samples, int32_t frames, int32_t bitsPerSample,
                      int32_t channels, int32_t sampleRate) {
    EngineEnterBlock(engine, sampleRate);
    if (handOver.EnterBlock() && bitsPerSample == 16) {
        EngineProcessBlock(engine, samples, frames, channels, sampleRate);
    }
    handOver.LeaveBlock();
    return frames;
}

void Quit(DspModule*) {
    handOver.StopEngine();
    // A stop from inside the About window's loop ends it before its owner window goes.
    CloseAboutWindows();
    if (Form_s != nullptr) {
        // The bypass lets the close through; closing and freeing the window save the settings.
        Form_s->Close();
        delete Form_s;
        Form_s = nullptr;
    }
    engine.inputCopy = nullptr;
    std::free(inputCopy);
    inputCopy = nullptr;
}

DspModule* getModule(int32_t index) {
    module.description = "Velora KKKDS enhancer";
    module.hwndParent = nullptr;
    module.hDllInstance = nullptr;
    module.Config = Config;
    module.Init = Init;
    module.ModifySamples = ModifySamples;
    module.Quit = Quit;
    return index == 0 ? &module : nullptr;
}

}  // namespace

Engine& engine = *new (engineStorage) Engine();

extern "C" DspHeader* winampDSPGetHeader2() {
    header.version = kDspHeaderVersion;
    header.description = "Velora";
    header.getModule = getModule;
    return &header;
}
