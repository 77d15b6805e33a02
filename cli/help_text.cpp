#include "cli/help_text.h"

#include <cstdio>

#include "cli/demo_command.h"
#include "cli/demo_signal.h"
#include "cli/output_format.h"
#include "engine/coefficients.h"
#include "settings/engine_input_table.h"
#include "settings/preset_file.h"
#include "settings/settings_section.h"

namespace {

const char* const kGeneral =
    "velora: the Velora audio enhancer for audio files\n"
    "\n"
    "usage:\n"
    "  velora process IN OUT [--settings FILE] [--preset FILE] [--set KEY=VALUE]...\n"
    "                 [--block FRAMES] [--quiet]\n"
    "  velora process IN... --out-dir DIR [--format EXT] [--jobs N] [options as above]\n"
    "  velora demo [FOLDER]\n"
    "  velora presets-to-lv2 FOLDER [--out BUNDLE]\n"
    "  velora --help | --version\n"
    "\n"
    "commands:\n"
    "  process   enhance the audio file IN into OUT, or every IN into the folder DIR\n"
    "  demo      render a ten-second demo signal, as it is and enhanced\n"
    "  presets-to-lv2  turn the player's preset files into presets of the LV2 plug-in\n"
    "\n"
    "'velora process --help', 'velora demo --help' and 'velora presets-to-lv2 --help' tell more.\n"
    "\n"
    "exit status: 0 done, 1 the work failed, 2 the command line was wrong\n";

std::string SettingsTable() {
    std::string table;
    for (const EngineInputInfo& input : EngineInputTable()) {
        char line[128];
        std::snprintf(line, sizeof line, "  %-16s %3d   %-7s %s\n", input.key, input.defaultValue,
                      input.IsSwitch() ? "0 or 1" : "0..100", input.caption);
        table += line;
    }
    return table;
}

std::string ProcessHelp() {
    return "usage: velora process IN OUT [--settings FILE] [--preset FILE] [--set KEY=VALUE]...\n"
           "                             [--block FRAMES] [--quiet]\n"
           "       velora process IN... --out-dir DIR [--format EXT] [--jobs N] [the options above]\n"
           "\n"
           "Enhances the audio file IN into OUT with the engine of the Velora plug-in, starting from its\n"
           "power-on state with every setting at its default unless --settings, --preset or --set\n"
           "changes it.\n"
           "\n"
           "  IN   any file libsndfile reads (WAV, FLAC, Ogg Vorbis, MP3, AIFF, ...), mono or stereo,\n"
           "       at " + std::to_string(kMinSampleRate) + " Hz or more; it is read as 16-bit samples.\n"
           "  OUT  has IN's sample rate, channels and length, in the format its extension names:\n"
           "       " + KnownOutputExtensions() + ".\n"
           "       Ogg Vorbis and MP3 are lossy; every other format holds 16-bit samples.\n"
           "       OUT is written under a temporary name in its folder and renamed when complete: a run\n"
           "       that fails leaves no OUT behind, and an existing OUT as it was. OUT must not be IN.\n"
           "\n"
           "With --out-dir every file named is an input, and each is enhanced into DIR (created if\n"
           "missing) under its own name with the extension of --format, or its own extension. The files\n"
           "are enhanced side by side, one per processor, under one progress bar; the settings apply to\n"
           "all. Each output is written as OUT above. A file that fails is named with its reason while\n"
           "the others complete, and the exit status is then 1. Two inputs that would be written to one\n"
           "output (a/x.wav and b/x.flac with --format wav), or an output that would replace its input,\n"
           "stop the run before any file is written.\n"
           "\n"
           "options:\n"
           "  --settings FILE  takes the settings from the \"" + std::string(kSettingsSection) +
           "\" section of a player's winamp.ini\n"
           "                   as the plug-in's window loads them: levels held to 0..100, a switch on\n"
           "                   for any value but 0, a missing key 0. A section the window has not\n"
           "                   saved yet (no devil=666) gives the defaults, as in the player.\n"
           "  --preset FILE    applies a preset file (NAME" + kPresetExtension +
           ") over them as the window does: its 21\n"
           "                   keys, all but \"inverted\"; a file without its section \"" + kPresetSection +
           "\"\n"
           "                   is refused\n"
           "  --set KEY=VALUE  sets one of the settings below over the files; repeat it for more (for a\n"
           "                   key given twice the last one counts)\n"
           "  --block FRAMES   frames per block handed to the engine, 1 to " + std::to_string(kMaxBlockFrames) +
           " (default " + std::to_string(kDefaultBlockFrames) + ",\n"
           "                   the player's usual block). Like the plug-in, the engine processes a block\n"
           "                   larger than its scratch copy (" + std::to_string(kMaxPieceFrames) +
           " stereo frames) in pieces. The enhanced\n"
           "                   audio is the same for any size.\n"
           "  --out-dir DIR    enhances every IN into the folder DIR\n"
           "  --format EXT     with --out-dir: the format of every output, by its extension\n"
           "  --jobs N         with --out-dir: files enhanced at a time, 1 to " + std::to_string(kMaxJobs) +
           " (default: one per\n"
           "                   processor)\n"
           "  --quiet          prints nothing but errors: no progress bar, no summary\n"
           "  --help           shows this text\n"
           "\n"
           "A progress bar appears on stderr when stderr is a terminal and IN is longer than 5 seconds,\n"
           "or with --out-dir whenever stderr is a terminal.\n"
           "\n"
           "settings (key, default, range, the control of the plug-in's window that sets it):\n" +
           SettingsTable() +
           "\n"
           "examples:\n"
           "  velora process song.flac song-enhanced.wav\n"
           "  velora process talk.wav talk.ogg --set 3d=0 --set bassout=40 --set loudness=1\n"
           "  velora process song.flac song.wav --settings winamp.ini --preset Rock" + kPresetExtension +
           " --set dry=60\n"
           "  velora process album/*.flac --out-dir enhanced --format wav --preset Rock" + kPresetExtension + "\n";
}

std::string DemoHelp() {
    return std::string("usage: velora demo [FOLDER]\n"
                       "\n"
                       "Renders ten seconds of a built-in stereo groove at 44,100 Hz: a bass line, chords that\n"
                       "move between the speakers and a hi-hat on the right. Into FOLDER (default: the current\n"
                       "folder, created if missing) go\n"
                       "  ") + kDemoDryName + "       the signal as it is\n"
                       "  " + kDemoEnhancedName + "  the same signal enhanced at the default settings\n"
                       "replacing files of these names. Listen to both: the bass gets fatter, the stereo wider.\n";
}

std::string PresetsToLv2Help() {
    return "usage: velora presets-to-lv2 FOLDER [--out BUNDLE]\n"
           "\n"
           "Turns the preset files NAME" + std::string(kPresetExtension) +
           " in FOLDER (the player's Plugins\\Velora folder) into LV2 presets\n"
           "of the velora.lv2 plug-in, named NAME, with the values the player's window would set: levels\n"
           "held to 0..100, a switch on for any value but 0, a missing key 0. \"inverted\" is not part of\n"
           "a preset and stays as it is in the host.\n"
           "\n"
           "  --out BUNDLE  the bundle folder to write (default ~/.lv2/velora-presets.lv2, where hosts\n"
           "                look); its manifest.ttl and presets.ttl are replaced, so run it again after\n"
           "                adding or removing presets\n";
}

}  // namespace

std::string HelpText(HelpTopic topic) {
    switch (topic) {
        case HelpTopic::Process: return ProcessHelp();
        case HelpTopic::Demo: return DemoHelp();
        case HelpTopic::PresetsToLv2: return PresetsToLv2Help();
        case HelpTopic::General: break;
    }
    return kGeneral;
}

std::string VersionText() { return std::string("velora ") + VELORA_VERSION + "\n"; }
