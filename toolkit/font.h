#pragma once

#include <windows.h>

#include <string>

#include "toolkit/colors.h"
#include "toolkit/events.h"

enum TFontStyleFlag : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };
using TFontStyles = unsigned;

// A font description. Sizes are points at 96 pixels per inch, the resolution the window's
// pixel layout was made for; Height is the character height in pixels, negative as GDI takes it.
class TFont : public TObject {
public:
    TFont() = default;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& name);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);

    void Assign(const TFont& other);
    bool operator==(const TFont& other) const;

    // A new GDI font for this description; the caller owns it.
    HFONT CreateHandle() const;

    TNotifyEvent OnChange;

private:
    void Changed() { OnChange(this); }

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
};
