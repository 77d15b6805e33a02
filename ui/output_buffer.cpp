#include "ui/output_buffer.h"

#include "settings/ascii_case.h"

std::optional<std::string> OutputBufferText(const PlayerSettingText& read) {
    const std::string plugin = read("winamp", "outname", "???");
    for (const char* known : {"out_ds", "out_wave"}) {
        if (SameIgnoringAsciiCase(plugin, std::string(known) + ".dll")) return read(known, "cfg_buf_ms", "1000");
    }
    return std::nullopt;
}
