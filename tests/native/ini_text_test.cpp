// The portable INI layer: the platform's integer read and its in-place writes, on tricky texts.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "settings/ini_text.h"

namespace {

TEST(IniText, ReadsTheLeadingNumberOfTheFirstMatchingKey) {
    const std::string big(100000, 'x');
    const std::tuple<const char*, std::string, int32_t> cases[] = {  // name, text, value
        {"plain", "[S]\r\nk=12\r\n", 12}, {"case of section and key", "[s]\nK=3\n", 3},
        {"spaces around names and value", "  [S]  \n  k  =   12abc  \n", 12},
        {"leading control characters", "[S]\nk=\x01 5\n", 5}, {"minus zero", "[S]\nk=-0\n", 0},
        {"plus sign", "[S]\nk=+7\n", 7}, {"negative", "[S]\nk=-42x\n", -42},
        {"two signs", "[S]\nk=+-7\n", 0}, {"sign then space", "[S]\nk=- 7\n", 0},
        {"wraps modulo 2^32", "[S]\nk=99999999999\n", 1215752191}, {"4294967295 is -1", "[S]\nk=4294967295\n", -1},
        {"only 29 characters count", "[S]\nk=000000000000000000000000000012\n", 1},
        {"quotes dropped", "[S]\nk=\"15\"\n", 15}, {"single quotes dropped", "[S]\nk='15'\n", 15},
        {"open quote", "[S]\nk=\"15\n", 0}, {"hexadecimal", "[S]\nk=-0x1fz\n", -31},
        {"octal", "[S]\nk=0o17\n", 15}, {"binary", "[S]\nk=0b102\n", 2},
        {"upper-case prefix is decimal", "[S]\nk=0X10\n", 0}, {"leading zero is decimal", "[S]\nk=010\n", 10},
        {"empty value", "[S]\nk=\n", 0}, {"key without equals", "[S]\nk\nk=5\n", 0},
        {"first duplicate key wins", "[S]\nk=1\nK=2\n", 1},
        {"first duplicate section wins", "[S]\na=1\n[S]\nk=2\n", 0},
        {"key in the next section is not ours", "[S]\n[T]\nk=2\n", 0}, {"key before any section", "k=4\n[S]\n", 0},
        {"header with text after the bracket", "[S] ; note\nk=6\n", 6},
        {"header named up to the last bracket", "[S]x]\nk=6\n", 0}, {"padded header name", "[ S\t]\nk=6\n", 6},
        {"unclosed header is a key line", "[S]\n[T\nk=8\n", 8}, {"comment line", "[S]\n;k=1\nk=9\n", 9},
        {"CR only", "[S]\rk=10\r", 10}, {"mixed line ends, no final newline", "x\r\n[S]\n\rk=11", 11},
        {"NUL ends a value", std::string("[S]\nk=1\0" "2\n", 8), 1},
        {"NUL ends a key name", std::string("[S]\nk\0junk=3\n", 12), 3},
        {"long line before the key", "[S]\n" + big + "\nk=13\n", 13}, {"long value", "[S]\nk=14" + big + "\n", 14},
        {"missing section", "[T]\nk=1\n", 0}, {"empty text", "", 0},
    };
    for (const auto& [name, text, value] : cases) EXPECT_EQ(IniTextReadInt(text, " S ", "k"), value) << name;
}

TEST(IniText, WritesInPlaceAndAppendsWhereThePlatformDoes) {
    const std::tuple<const char*, std::string, std::string> cases[] = {  // name, text, text after the write
        {"new file", "", "[S]\r\nk=5\r\n"},
        {"replaced, spelling and padding before '=' kept", "[S]\n  K  =  1  \nx=2\n", "[S]\n  K  =5\nx=2\n"},
        {"key without equals gets one", "[S]\r\n k \r\n", "[S]\r\n k=5\r\n"},
        {"first duplicate replaced", "[S]\nk=1\nk=2\n", "[S]\nk=5\nk=2\n"},
        {"appended after the last key, before blank lines", "[S]\na=1\n\n\n[T]\n", "[S]\na=1\nk=5\r\n\n\n[T]\n"},
        {"appended to the first of duplicate sections", "[S]\na=1\n[S]\nk=2\n", "[S]\na=1\nk=5\r\n[S]\nk=2\n"},
        {"appended after a header without line end", "[S]", "[S]\r\nk=5\r\n"},
        {"appended after a CR-only line", "[S]\ra=1\r[T]\r", "[S]\ra=1\rk=5\r\n[T]\r"},
        {"section appended after a last line without end", "[T]\nx=1", "[T]\nx=1\r\n[S]\r\nk=5\r\n"},
        {"section appended after trailing blank lines", "[T]\r\n\r\n", "[T]\r\n\r\n[S]\r\nk=5\r\n"},
        {"same value writes nothing", "[S]\nk = 5 \n", "[S]\nk = 5 \n"},
        {"junk kept byte for byte", "\xff\x01junk\r\n[S]\r\n;c\r\n\x80=\x7f\r\n",
         "\xff\x01junk\r\n[S]\r\n;c\r\n\x80=\x7f\r\nk=5\r\n"},
    };
    for (const auto& [name, text, expected] : cases)
        EXPECT_EQ(IniTextWithValue(text, "S", " k", " 5").value_or(text), expected) << name;
}

// Random texts from tricky pieces: a write always reads back.
TEST(IniText, AnyTextTakesAWriteAndReadsItBack) {
    const std::string pieces[] = {"[S]", "[s]", "[T]", "[", "]", "k", "K", " ", "=", "7", "-", "\"", ";", "\r",
                                  "\n", "\r\n", "\t", "\x1a", "\xff", std::string(1, '\0'), "[S]x]"};
    std::mt19937 random(7);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int count = static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i) text += pieces[random() % std::size(pieces)];
        const int32_t value = static_cast<int32_t>(random()) - 1000;
        const std::string edited = IniTextWithValue(text, "S", "k", std::to_string(value)).value_or(text);
        ASSERT_EQ(IniTextReadInt(edited, "S", "k"), value) << testing::PrintToString(text);
    }
}

}  // namespace
