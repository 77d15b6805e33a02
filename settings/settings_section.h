#pragma once
// The settings section "Velora KDS" of the player's "winamp.ini" (settingsPath): its keys with
// their defaults, the initialisation marker and the key operations.

#include <cstdint>
#include <span>
#include <string>

inline constexpr char kSettingsSection[] = "Velora KDS";
inline constexpr char kMarkerKey[] = "devil";
inline constexpr int32_t kMarkerValue = 666;

struct SettingsDefault {
    const char* key;
    int32_t value;
};

// The 29 keys from "x" to "inverted" in the order WriteDefaults writes them (the marker is not
// among them).
std::span<const SettingsDefault> SettingsDefaults();

// The key's value in the section of settingsPath, 0 when missing or not a number.
int32_t ReadSetting(const char* key);
// Reports whether the file was written.
bool WriteSetting(const char* key, int32_t value);
// The default of one of the 29 keys; 0 for any other key.
int32_t DefaultSetting(const char* key);
// Writes the 29 defaults in order; changes no control and writes no marker. Reports whether the
// file took them all.
bool WriteDefaults();
