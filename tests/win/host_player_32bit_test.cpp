// What only the 32-bit library can get wrong: the records as a 32-bit player reads them, word by
// word, and entry points called on a stack that the player aligned to 4 bytes only.

#if defined(__i386__)

#include <array>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "tests/win/host_plugin_under_test.h"

// Calls a cdecl function with `count` 32-bit arguments; at the call the stack pointer lies `shift`
// bytes below a 16-byte boundary, where a 16-byte aligned caller has it on that boundary.
extern "C" uint32_t CallWithStackShift(const void* function, const uint32_t* arguments,
                                       int32_t count, int32_t shift);
asm(R"(
    .text
    .globl _CallWithStackShift
_CallWithStackShift:
    pushl %ebp
    movl %esp, %ebp
    pushl %esi
    pushl %edi
    movl 16(%ebp), %ecx
    leal (,%ecx,4), %eax
    subl %eax, %esp
    andl $-16, %esp
    subl 20(%ebp), %esp
    movl %esp, %edi
    movl 12(%ebp), %esi
    cld
    rep movsl
    call *8(%ebp)
    leal -8(%ebp), %esp
    popl %edi
    popl %esi
    popl %ebp
    ret
)");

namespace {

// The words of the records, in the order the player reads them.
enum HeaderWord { kVersion, kHeaderDescription, kGetModule };
enum ModuleWord { kDescription, kParent, kInstance, kConfig, kInit, kModifySamples, kQuit };

uint32_t WordOf(const void* record, int index) {
    uint32_t word;
    std::memcpy(&word, static_cast<const char*>(record) + 4 * index, sizeof word);
    return word;
}

const void* AsPointer(uint32_t word) { return reinterpret_cast<const void*>(word); }

HMODULE ImageHolding(const void* address) {
    MEMORY_BASIC_INFORMATION region{};
    ::VirtualQuery(address, &region, sizeof region);
    return static_cast<HMODULE>(region.AllocationBase);
}

struct Block {
    int32_t frames, channels, sampleRate;
};

// Bass-heavy stretches in stereo and mono, at two rates: enough for every filter to move.
constexpr std::array<Block, 6> kPlayerBlocks{{
    {576, 2, 44100}, {576, 2, 44100}, {1152, 2, 44100}, {1000, 1, 22050}, {576, 2, 48000}, {4096, 2, 48000},
}};

// A fresh copy of the library started, fed the blocks and stopped, every entry called with the
// stack shifted as given; the samples that came back, block after block.
std::vector<int16_t> PlayThroughCopy(int32_t shift) {
    const LibraryCopy copy;
    if (copy.Library() == nullptr) return {};
    const auto call = [shift](uint32_t function, std::vector<uint32_t> arguments) {
        return CallWithStackShift(AsPointer(function), arguments.data(), static_cast<int32_t>(arguments.size()),
                                  shift);
    };
    const uint32_t header = call(reinterpret_cast<uint32_t>(::GetProcAddress(copy.Library(), kDspExportName)), {});
    const uint32_t module = call(WordOf(AsPointer(header), kGetModule), {0});
    EXPECT_EQ(AsPointer(module), &copy.Module());
    EXPECT_EQ(call(WordOf(AsPointer(module), kInit), {module}), 0u);
    std::vector<int16_t> played;
    for (const Block& block : kPlayerBlocks) {
        std::vector<int16_t> samples = TestTone(block.frames, block.channels);
        EXPECT_EQ(call(WordOf(AsPointer(module), kModifySamples),
                       {module, reinterpret_cast<uint32_t>(samples.data()), static_cast<uint32_t>(block.frames), 16,
                        static_cast<uint32_t>(block.channels), static_cast<uint32_t>(block.sampleRate)}),
                  static_cast<uint32_t>(block.frames));
        played.insert(played.end(), samples.begin(), samples.end());
    }
    call(WordOf(AsPointer(module), kQuit), {module});
    return played;
}

}  // namespace

TEST(Player32Bit, ReadsTheRecordsWordByWord) {
    const DspHeader* header = PluginUnderTest::Get().Header();
    const HMODULE library = ImageHolding(header);
    EXPECT_EQ(WordOf(header, kVersion), 0x20u);
    EXPECT_STREQ(static_cast<const char*>(AsPointer(WordOf(header, kHeaderDescription))), "Velora");
    EXPECT_EQ(ImageHolding(AsPointer(WordOf(header, kGetModule))), library);

    const auto getModule = reinterpret_cast<DspModule* (*)(int32_t)>(WordOf(header, kGetModule));
    const DspModule* module = getModule(0);
    ASSERT_NE(module, nullptr);
    EXPECT_STREQ(static_cast<const char*>(AsPointer(WordOf(module, kDescription))),
                 "Velora KKKDS enhancer");
    EXPECT_EQ(WordOf(module, kParent), 0u);
    EXPECT_EQ(WordOf(module, kInstance), 0u);
    for (const int entry : {kConfig, kInit, kModifySamples, kQuit})
        EXPECT_EQ(ImageHolding(AsPointer(WordOf(module, entry))), library) << entry;
}

TEST(Player32Bit, EntryPointsGiveTheSameSamplesOnAStackAlignedTo4Bytes) {
    const std::vector<int16_t> aligned = PlayThroughCopy(0);
    std::vector<int16_t> dry;
    for (const Block& block : kPlayerBlocks) {
        const std::vector<int16_t> tone = TestTone(block.frames, block.channels);
        dry.insert(dry.end(), tone.begin(), tone.end());
    }
    ASSERT_EQ(aligned.size(), dry.size());
    ASSERT_NE(aligned, dry) << "the engine should be running";
    for (const int32_t shift : {4, 8, 12}) {
        SCOPED_TRACE(shift);
        EXPECT_EQ(PlayThroughCopy(shift), aligned);
    }
}

#endif
