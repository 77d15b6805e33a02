#include "toolkit/font.h"

namespace {
constexpr int kPixelsPerInch = 96;
}

void TFont::SetName(const std::string& name) {
    if (name == name_) return;
    name_ = name;
    Changed();
}

void TFont::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    Changed();
}

int TFont::Size() const { return -::MulDiv(height_, 72, kPixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-::MulDiv(points, kPixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

void TFont::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void TFont::Assign(const TFont& other) {
    if (*this == other) return;
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    Changed();
}

bool TFont::operator==(const TFont& other) const {
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ &&
           color_ == other.color_;
}

HFONT TFont::CreateHandle() const {
    LOGFONTA description = {};
    description.lfHeight = height_;
    description.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    description.lfItalic = (style_ & fsItalic) ? TRUE : FALSE;
    description.lfUnderline = (style_ & fsUnderline) ? TRUE : FALSE;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = DEFAULT_QUALITY;
    ::lstrcpynA(description.lfFaceName, name_.c_str(), LF_FACESIZE);
    return ::CreateFontIndirectA(&description);
}
