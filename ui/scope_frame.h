#pragma once
// One frame of the oscilloscope: where in the engine's scope ring it starts, and its picture.
// The picture shows what is heard now, so it starts the delay of the player's output buffer
// (less 100 ms) before the latest block the engine processed.

#include <atomic>
#include <cstdint>

#include "engine/engine.h"

// The ring entry after entry i, in the engine's write order: pairs at even indices up to
// kScopeLastPair, then back to 0.
inline int32_t NextScopeEntry(int32_t i) { return i >= kScopeLastPair ? i - kScopeLastPair : i + 2; }

struct ScopeClock {
    // scopeBlockStart as seen by the previous frame.
    int32_t lastBlockStart = 0;

    // The ring index of the frame's first entry for a picture `width` columns wide. While no
    // block arrives (paused) each frame shows the stretch width frames after the computed one,
    // so the picture stands still instead of running back and forth.
    int32_t FrameStart(int32_t blockStart, int32_t sampleRate, int32_t delayMs, int width);
};

// A top-down picture with three bytes per pixel (blue, green, red) and rows `stride` bytes apart.
struct ScopePicture {
    std::uint8_t* pixels;
    int width;
    int height;
    int stride;
};

inline constexpr std::uint32_t kScopeGridColor = 0x606060;   // 0xRRGGBB
inline constexpr std::uint32_t kScopeFirstColor = 0x0000FF;  // first channel: blue
inline constexpr std::uint32_t kScopeSecondColor = 0x00FF00; // second channel: green

// Black, the grey grid (every 8th column, every 5th row) and the two channels as single pixels,
// two frames per column; a positive sample lies below the centre, the second channel one row
// lower than the first.
void DrawScopeFrame(const ScopePicture& picture, const std::atomic<int16_t>* ring, int32_t start);
