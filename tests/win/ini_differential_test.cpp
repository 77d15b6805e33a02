// Our portable INI layer against the platform's private-profile functions on generated tricky files:
// the same reads; after the same writes the same bytes on canonical files (CR LF, no blank lines, no
// padding) and the same content on the others, which the platform's writer rewrites whole.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "settings/ini_file.h"
#include "settings/settings_section.h"
#include "settings/shared_values.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCanonicalFiles = 100;
constexpr int kPaddedFiles = 200;

const char* const kSections[] = {"S", "s", "T", "Velora KDS", "velora kds"};
const char* const kKeys[] = {"k", "K", "a", "bassagc", "BassAGC", "3d"};
const char* const kValues[] = {"12",         "  12abc", "-0",    "+7",  "99999999999", "",     "\"15\"", "abc",
                               "-2147483648", "4294967296", "0x10", "'9'", "007",         " -3 ", "\x01" "5", "0o17", "0b101", "0X1F", "-0x1fz", "\"123456789012345678901234567890\""};
const char* const kJunkLines[] = {"[unclosed", "=5", "just words", "  =  ", "[S]x]", "\x1a", "; \xe9t\xe9 \xff",
                                  "[]", "[ T ]"};
const char* const kProbeSections[] = {"S", "T", "Velora KDS", "Missing"};
const char* const kProbeKeys[] = {"k", "a", "bassagc", "3d", "nokey"};

std::string_view Trim(std::string_view text) {
    constexpr std::string_view kSpace(" \t\n\v\f\r\x1a");
    text.remove_prefix(std::min(text.size(), text.find_first_not_of(kSpace)));
    return text.substr(0, text.find_last_not_of(kSpace) + 1);
}

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

// The file as the platform's writer leaves it after any change.
std::string AsPlatformRewrites(std::string_view text) {
    std::string out;
    bool sectionHasKey = false;
    bool lastKeyNameEmpty = false;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = std::min(text.size(), text.find_first_of("\r\n", at));
        const std::string_view line = Trim(text.substr(at, end - at));
        at = std::min(text.size(), text.find_first_not_of("\r\n", end));
        if (line.empty()) continue;
        const size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos && close > 0) {
            const std::string_view name = UpToNul(Trim(line.substr(1, close - 1)));
            if (!name.empty()) out.append("[").append(name).append("]\r\n");
            sectionHasKey = false;
            continue;
        }
        const size_t equals = line.find('=');
        const std::string_view name = equals == std::string_view::npos ? line : Trim(line.substr(0, equals));
        if (name.empty() && sectionHasKey && lastKeyNameEmpty) continue;
        sectionHasKey = true;
        lastKeyNameEmpty = UpToNul(name).empty();
        out.append(UpToNul(name));
        if (equals != std::string_view::npos) out.append("=").append(UpToNul(Trim(line.substr(equals + 1))));
        out.append("\r\n");
    }
    return out;
}

// The file's bytes, escaped so that a failure shows them.
std::string Slurp(const std::string& path) { return testing::PrintToString(ReadIniFile(path).value_or("?")); }

void Spill(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

int32_t PlatformRead(const std::string& path, const char* section, const char* key) {
    return static_cast<int32_t>(::GetPrivateProfileIntA(section, key, 0, path.c_str()));
}

bool PlatformWrite(const std::string& path, const char* section, const char* key, const std::string& value) {
    const bool written = ::WritePrivateProfileStringA(section, key, value.c_str(), path.c_str()) != 0;
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());  // empties the platform's cache
    return written;
}

// Files of sections, keys, comments and junk; padded ones add spaces, tabs, blank lines, text
// after headers and every kind of line end.
class FileGenerator {
public:
    explicit FileGenerator(uint32_t seed) : random_(seed) {}

    std::string Make(bool canonical) {
        const char* const ends[] = {"\r\n", "\n", "\r"};
        const int endMode = Pick(4);  // one of the three throughout, or mixed
        std::string text;
        const int lines = Pick(14);
        for (int i = 0; i < lines; ++i) {
            const char* end = canonical ? "\r\n" : ends[endMode < 3 ? endMode : Pick(3)];
            if (!canonical && Pick(6) == 0) text.append(Pick(2) ? " \t" : "").append(end);
            text.append(canonical ? Line() : PaddedLine()).append(end);
        }
        if (!canonical && Pick(3) == 0 && !text.empty()) text.erase(text.find_last_not_of("\r\n") + 1);
        return text;
    }

    std::string Value() { return kValues[Pick(std::size(kValues))]; }
    int Pick(size_t count) { return static_cast<int>(random_() % count); }

private:
    std::string Line() {
        switch (Pick(5)) {
            case 0: return std::string("[") + kSections[Pick(std::size(kSections))] + "]";
            case 1: return ";comment";
            default: return std::string(kKeys[Pick(std::size(kKeys))]) + "=" + std::string(Trim(Value()));
        }
    }

    std::string Pad() { return std::string(Pick(3), Pick(2) ? ' ' : '\t'); }

    std::string PaddedLine() {
        switch (Pick(7)) {
            case 0: return Pad() + "[" + kSections[Pick(std::size(kSections))] + "]" + (Pick(2) ? " ; x" : "") + Pad();
            case 1: return kJunkLines[Pick(std::size(kJunkLines))];
            case 2: return Pad() + kKeys[Pick(std::size(kKeys))] + Pad();
            default: return Pad() + kKeys[Pick(std::size(kKeys))] + Pad() + "=" + Pad() + Value() + Pad();
        }
    }

    std::mt19937 random_;
};

class IniDifferential : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder_); }
    void TearDown() override { fs::remove_all(folder_); }

    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    void ExpectSameReads(const std::string& path, const std::string& what) {
        for (const char* section : kProbeSections)
            for (const char* key : kProbeKeys)
                EXPECT_EQ(ReadIniInt(path, section, key), PlatformRead(path, section, key))
                    << what << " [" << section << "] " << key;
    }

    const fs::path folder_ = fs::temp_directory_path() / ("velora-ini-" + std::to_string(::GetCurrentProcessId()));
};

// Canonical files take the three writes one after the other and must stay byte for byte alike;
// the others take each write afresh, since the platform's rewrite can change what a later write
// finds (a header "[]" vanishes and its keys join the section before it).
TEST_F(IniDifferential, GeneratedFilesReadAndWriteAlike) {
    const char* const sections[] = {"S", "Velora KDS", "U"};
    FileGenerator generator(20261209);
    for (int file = 0; file < kCanonicalFiles + kPaddedFiles; ++file) {
        const bool canonical = file < kCanonicalFiles;
        const std::string original = generator.Make(canonical);
        const std::string ours = PathOf("ours" + std::to_string(file) + ".ini");
        const std::string platforms = PathOf("platform" + std::to_string(file) + ".ini");
        Spill(ours, original);
        Spill(platforms, original);
        const std::string what = "file " + std::to_string(file) + " " + testing::PrintToString(original);
        ExpectSameReads(ours, what);

        for (const char* section : sections) {
            const char* key = kProbeKeys[generator.Pick(4)];
            const std::string value = std::to_string(generator.Pick(5) * 25 - 50);
            const std::string write = what + " after [" + section + "] " + key + "=" + value;
            if (!canonical) for (const std::string& path : {ours, platforms}) Spill(path, original);
            ASSERT_EQ(WriteIniString(ours, section, key, value), PlatformWrite(platforms, section, key, value));
            ExpectSameReads(ours, write);
            ExpectSameReads(platforms, write);
            const std::string rewritten = AsPlatformRewrites(ReadIniFile(ours).value_or(""));
            EXPECT_EQ(canonical ? Slurp(ours) : testing::PrintToString(rewritten), Slurp(platforms)) << write;
        }
        if (HasFailure()) return;
    }
}

TEST_F(IniDifferential, MissingFilesAndFoldersAndReadOnlyFiles) {
    const std::string fresh = PathOf("fresh.ini");
    EXPECT_TRUE(WriteIniString(fresh, "Velora KDS", "x", "300"));
    EXPECT_TRUE(PlatformWrite(PathOf("fresh-platform.ini"), "Velora KDS", "x", "300"));
    EXPECT_EQ(Slurp(fresh), Slurp(PathOf("fresh-platform.ini")));

    const std::string nowhere = PathOf("no-such-folder\\winamp.ini");
    EXPECT_EQ(WriteIniString(nowhere, "S", "k", "1"), PlatformWrite(nowhere, "S", "k", "1"));
    EXPECT_FALSE(fs::exists(folder_ / "no-such-folder"));

    const std::string locked = PathOf("locked.ini");
    Spill(locked, "[S]\r\nk=1\r\n");
    ::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(WriteIniString(locked, "S", "k", "2"), PlatformWrite(locked, "S", "k", "2"));
    EXPECT_EQ(WriteIniString(locked, "S", "k", "1"), PlatformWrite(locked, "S", "k", "1"));
    EXPECT_EQ(ReadIniFile(locked), "[S]\r\nk=1\r\n");
    ::SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(IniDifferential, DefaultsWrittenAlike) {
    const std::string ours = PathOf("winamp-ours.ini");
    settingsPath = PathOf("winamp.ini");
    for (const std::string& path : {ours, settingsPath}) Spill(path, "[winamp]\r\noutname=out_ds.dll\r\n");
    WriteDefaults();
    for (const SettingsDefault& setting : SettingsDefaults())
        WriteIniString(ours, kSettingsSection, setting.key, std::to_string(setting.value));
    EXPECT_EQ(Slurp(settingsPath), Slurp(ours));
    settingsPath.clear();
}

}  // namespace
