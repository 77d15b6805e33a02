#include "standin/playback.h"

#include <exception>
#include <thread>

namespace {

// Posted to the player's window by the audio thread after its last block.
constexpr UINT kPlaybackFinished = WM_APP + 1;

}  // namespace

void PlayThroughModule(DspModule& module, PcmAudio& audio, int32_t blockFrames, BlockPace pace,
                       HWND playerWindow) {
    std::exception_ptr failure;
    std::thread audioThread([&] {
        try {
            FeedBlocks(module, audio, blockFrames, pace);
        } catch (...) {
            failure = std::current_exception();
        }
        ::PostMessageA(playerWindow, kPlaybackFinished, 0, 0);
    });
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == playerWindow && message.message == kPlaybackFinished) break;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    audioThread.join();
    if (failure) std::rethrow_exception(failure);
}
