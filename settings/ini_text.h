#pragma once
// The text of a private-profile (INI) file, read and edited the way the platform's profile
// functions do it, without touching a file.
//
// A line ends at CR, LF or CR LF. Its text is trimmed of spaces, tabs, CR, LF, VT, FF and ^Z; a
// trimmed line that starts with "[" and holds a "]" later on is a section header, named by what
// lies between the "[" and the last "]", trimmed. Every other non-blank line is a key: the text before its
// first "=" (trimmed), with the value after it (trimmed), or the whole line without a value.
// Section and key names are matched without regard to ASCII letter case, and only the first
// section of a name and the first key of a name in it count. A NUL byte ends a name or a value.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The integer the platform's reader gives for the key, default 0: the value is cut to 29
// characters, one pair of enclosing quotes is dropped, then after any control characters and an
// optional sign the leading digits count, wrapping modulo 2^32: decimal, or after "0x", "0o" or
// "0b" (lower case) hexadecimal, octal or binary.
int32_t IniTextReadInt(std::string_view text, std::string_view section, std::string_view key);

// Whether the text holds a header of the section.
bool IniTextHasSection(std::string_view text, std::string_view section);

// The text with the key set to value (leading spaces dropped), or nothing when the key already
// holds exactly that value.
// The key's line keeps everything up to its "=" and its line end; a new key follows the last
// non-blank line of the section; a new section goes to the end of the text. New lines end in CR LF,
// and a last line without a line end gets one first. Every other byte stays as it was.
std::optional<std::string> IniTextWithValue(std::string_view text, std::string_view section,
                                            std::string_view key, std::string_view value);
