// The engine as the player's sample entry runs it: any block size, channel count, sample width,
// rate, input values and samples, several blocks in a row from the engine's power-on state.

#include <fuzzer/FuzzedDataProvider.h>

#include <memory>
#include <vector>

#include "engine/engine.h"
#include "settings/engine_input_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::unique_ptr<Engine> engine = std::make_unique<Engine>();
    static std::vector<int16_t> inputCopy(kInputCopyValues);
    engine->state = EngineState();
    engine->scopeWritePos = 0;
    engine->inputCopy = inputCopy.data();
    FuzzedDataProvider input(data, size);
    for (const EngineInputInfo& info : EngineInputTable()) {
        SetEngineInput(engine->inputs, info, input.ConsumeIntegral<int32_t>());
    }
    std::vector<int16_t> samples;
    for (int block = 0; block < 4 && input.remaining_bytes() > 0; ++block) {
        // Mostly blocks as players hand them; now and then one the engine must take in pieces.
        const bool large = input.ConsumeIntegral<uint8_t>() == 0xFF;
        const int32_t frames = input.ConsumeIntegralInRange<int32_t>(-1, large ? 40000 : 1200);
        const int32_t channels = input.ConsumeIntegralInRange<int32_t>(-1, 8);
        const int32_t bits = input.PickValueInArray({8, 16, 24, 32});
        const int32_t rate = input.ConsumeBool() ? input.ConsumeIntegral<int32_t>()
                                                 : input.ConsumeIntegralInRange<int32_t>(kMinSampleRate, 192000);
        samples.assign(static_cast<size_t>(std::max(frames, 0)) * std::max(channels, 1), 0);
        for (int16_t& sample : samples) {
            if (input.remaining_bytes() == 0) break;
            sample = input.ConsumeIntegral<int16_t>();
        }
        EngineEnterBlock(*engine, rate);
        if (bits == 16) EngineProcessBlock(*engine, samples.data(), frames, channels, rate);
        if (engine->scopeWritePos < 0 || engine->scopeWritePos > kScopeLastPair) __builtin_trap();
    }
    return 0;
}
