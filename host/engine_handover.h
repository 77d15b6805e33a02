#pragma once
// The hand-over of the engine between the player's window thread (start and stop) and its audio
// thread (blocks), without a lock. Both flags are sequentially consistent: each side's store must
// be visible before its load of the other flag, or a block could pass its bypass test while the
// stop already saw the engine idle and freed the scratch copy under it.

#include <atomic>

struct EngineHandOver {
    // While true, blocks come back untouched. Only the start and stop entries write it.
    std::atomic<bool> engineBypass{false};
    // False while a block is inside the process entry. Only the audio thread writes it, so a
    // start can never mark a running block idle, and a stop before any start finds it true.
    std::atomic<bool> engineIdle{true};

    // Start entry, first step: blocks are bypassed until the engine is ready.
    void HoldEngine() { engineBypass.store(true); }
    // Start entry, last step.
    void ReleaseEngine() { engineBypass.store(false); }

    // Audio thread: announces the block, then reports whether the engine may process it.
    bool EnterBlock() {
        engineIdle.store(false);
        return !engineBypass.load();
    }
    void LeaveBlock() { engineIdle.store(true); }

    // Stop entry: every later block is bypassed, and a block already past its bypass test
    // finishes first. A busy wait, bounded by one block.
    void StopEngine() {
        engineBypass.store(true);
        while (!engineIdle.load()) {
        }
    }
};
