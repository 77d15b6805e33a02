#pragma once
// The control values the window thread sets and the audio thread reads.

#include <atomic>
#include <cstdint>

// Sixteen control values 0..100 and six switches. The window thread writes them at any
// moment; the engine reads the values once per block and each switch at every frame.
// Relaxed atomics: a read never sees half a write and no ordering is needed.
struct EngineInputs {
    std::atomic<int32_t> bassagc{0};
    std::atomic<int32_t> basslopass{0};
    std::atomic<int32_t> bass3d{0};
    std::atomic<int32_t> phatt{0};
    std::atomic<int32_t> basscolor{0};
    std::atomic<int32_t> bassresonance{0};
    std::atomic<int32_t> basslim{0};
    std::atomic<int32_t> bassout{0};
    std::atomic<int32_t> hipass{0};
    std::atomic<int32_t> agc{0};
    std::atomic<int32_t> wide3d{0};  // settings key "3d"
    std::atomic<int32_t> prologic{0};
    std::atomic<int32_t> comp{0};
    std::atomic<int32_t> speed{0};
    std::atomic<int32_t> treble{0};
    std::atomic<int32_t> dry{0};
    std::atomic<bool> doubleresonance{false};
    std::atomic<bool> soft{false};
    std::atomic<bool> stereoagc{false};
    std::atomic<bool> widefilt{false};
    std::atomic<bool> loudness{false};
    std::atomic<bool> inverted{false};
};

template <typename T>
inline T ReadInput(const std::atomic<T>& field) { return field.load(std::memory_order_relaxed); }

template <typename T>
inline void WriteInput(std::atomic<T>& field, T value) { field.store(value, std::memory_order_relaxed); }
