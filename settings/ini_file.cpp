#include "settings/ini_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "settings/ini_text.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kMaxIniBytes = size_t{64} << 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool WriteAll(std::FILE* file, std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), file) == text.size() && std::fflush(file) == 0;
}

bool WriteNewFile(const std::string& path, std::string_view text) {
    File file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    const bool written = WriteAll(file.get(), text);
    return std::fclose(file.release()) == 0 && written;
}

// Writes the file through a new one beside it that takes its place; where the folder takes no
// new file, an existing file is overwritten in place instead.
bool ReplaceFile(const std::string& path, std::string_view text, bool exists) {
    const std::string fresh = path + ".velora-new";
    std::error_code error;
    if (WriteNewFile(fresh, text)) {
        if (exists) fs::permissions(fresh, fs::status(path, error).permissions(), error);
        fs::rename(fresh, path, error);
        if (!error) return true;
        fs::remove(fresh, error);
        return false;
    }
    fs::remove(fresh, error);
    if (!exists) return false;
    File file(std::fopen(path.c_str(), "r+b"));
    if (!file || !WriteAll(file.get(), text)) return false;
    file.reset();
    fs::resize_file(path, text.size(), error);
    return !error;
}

bool Writable(const std::string& path) {
    std::error_code error;
    const fs::perms writeBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (fs::status(path, error).permissions() & writeBits) != fs::perms::none && !error;
}

// The file a link points to is the one to rewrite, not the link.
std::string RealPath(const std::string& path) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) return path;
    const fs::path target = fs::canonical(path, error);
    return error ? path : target.string();
}

}  // namespace

std::optional<std::string> ReadIniFile(const std::string& path) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string text;
    char chunk[65536];
    while (const size_t count = std::fread(chunk, 1, sizeof chunk, file.get())) {
        text.append(chunk, count);
        if (text.size() > kMaxIniBytes) {
            errno = EFBIG;
            return std::nullopt;
        }
    }
    if (std::ferror(file.get())) return std::nullopt;
    return text;
}

int32_t ReadIniInt(const std::string& path, std::string_view section, std::string_view key) {
    const std::optional<std::string> text = ReadIniFile(path);
    return text ? IniTextReadInt(*text, section, key) : 0;
}

bool WriteIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value) {
    const std::string target = RealPath(path);
    std::error_code error;
    const bool exists = fs::exists(target, error);
    if (error) return false;
    std::optional<std::string> text = exists ? ReadIniFile(target) : std::string();
    if (!text) return false;
    const std::optional<std::string> edited = IniTextWithValue(*text, section, key, value);
    if (!edited) return true;
    // A read-only file is refused, also where its folder would let a new file take its place and
    // to a user who may write anything, as the platform refuses a file marked read-only.
    if (exists && (!File(std::fopen(target.c_str(), "r+b")) || !Writable(target))) return false;
    return ReplaceFile(target, *edited, exists);
}
