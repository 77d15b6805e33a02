// velora-standin: stands in for the player. Loads a DSP plug-in, starts its module, plays a 16-bit
// WAV file through it block by block from an audio thread, at once or at the pace of the audio, and
// writes the processed samples. Settings
// given with --set go into the player's settings file first, where the plug-in's window loads them.
// As the player's settings file it reports winamp.ini in its own folder, or the file given with --ini.

#include <cstdio>
#include <exception>
#include <string_view>
#include <vector>

#include "standin/playback.h"
#include "standin/player_settings.h"
#include "standin/player_window.h"
#include "standin/plugin_library.h"
#include "standin/standin_arguments.h"
#include "standin/started_module.h"
#include "standin/wav_file.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    try {
        const StandinArguments parsed = ParseStandinArguments(arguments);
        PcmAudio audio = ReadWavFile(parsed.inputPath);
        const PlayerWindow window(parsed.settingsFile);
        StorePlayerSettings(parsed.settings, window.Handle());
        const PluginLibrary plugin(parsed.pluginPath);
        const StartedModule started(plugin.Module(), window.Handle(), plugin.Instance());
        const BlockPace pace = parsed.realtime ? BlockPace::kRealtime : BlockPace::kAtOnce;
        PlayThroughModule(plugin.Module(), audio, parsed.blockFrames, pace, window.Handle());
        WriteWavFile(parsed.outputPath, audio);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "velora-standin: %s\n", error.what());
        return 2;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "velora-standin: %s\n", error.what());
        return 1;
    }
    return 0;
}
