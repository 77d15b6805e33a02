#include "ui/scope_frame.h"

#include <cmath>
#include <cstring>

namespace {

constexpr int kGridColumns = 8;
constexpr int kGridRows = 5;
// Full scale slightly under the picture's height, so a full-scale sample stays on it.
constexpr float kScaleRange = 65565.0f;

void Plot(const ScopePicture& picture, int x, int y, std::uint32_t color) {
    if (x < 0 || x >= picture.width || y < 0 || y >= picture.height) return;
    std::uint8_t* pixel = picture.pixels + y * picture.stride + x * 3;
    pixel[0] = color & 0xFF;
    pixel[1] = (color >> 8) & 0xFF;
    pixel[2] = (color >> 16) & 0xFF;
}

void DrawTrace(const ScopePicture& picture, const std::atomic<int16_t>* ring, int32_t start,
               int mid, float scale, std::uint32_t color) {
    int32_t i = start;
    for (int x = 0; x <= picture.width; ++x) {
        for (int point = 0; point < 2; ++point) {
            const double sample = ring[i].load(std::memory_order_relaxed);
            Plot(picture, x, static_cast<int>(std::trunc(sample * scale + mid)), color);
            i = NextScopeEntry(i);
        }
    }
}

}  // namespace

int32_t ScopeClock::FrameStart(int32_t blockStart, int32_t sampleRate, int32_t delayMs, int width) {
    // r / 500 ring entries per millisecond. In 64 bits, so that rates far above any real
    // player's (or a corrupt one) give a start in the ring rather than an overflowed product.
    const int64_t entries = (int64_t{delayMs} - 100) * sampleRate;
    auto start = static_cast<int64_t>(std::trunc(blockStart - entries / 500.0));
    // Back to the start of the frame that holds the computed entry: an odd start would draw the
    // second channel as the first trace.
    start -= start & 1;
    if (lastBlockStart == blockStart) start += 2 * int64_t{width};
    lastBlockStart = blockStart;
    if (start < 0) start += kScopeLastPair;
    if (start > kScopeLastPair + 1) start -= kScopeLastPair;
    // Only such rates reach past one turn of the ring.
    if (start < 0 || start > kScopeLastPair + 1)
        start = (start % kScopeLastPair + kScopeLastPair) % kScopeLastPair;
    return static_cast<int32_t>(start);
}

void DrawScopeFrame(const ScopePicture& picture, const std::atomic<int16_t>* ring, int32_t start) {
    for (int y = 0; y < picture.height; ++y)
        std::memset(picture.pixels + y * picture.stride, 0, picture.width * 3);
    for (int x = kGridColumns; x < picture.width; x += kGridColumns)
        for (int y = 0; y < picture.height; ++y) Plot(picture, x, y, kScopeGridColor);
    for (int y = kGridRows; y < picture.height; y += kGridRows)
        for (int x = 0; x < picture.width; ++x) Plot(picture, x, y, kScopeGridColor);
    const int mid = picture.height / 2;
    const float scale = static_cast<float>(picture.height) / kScaleRange;
    DrawTrace(picture, ring, start, mid, scale, kScopeFirstColor);
    DrawTrace(picture, ring, start + 1, mid + 1, scale, kScopeSecondColor);
}
