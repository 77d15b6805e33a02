#pragma once

#include <random>
#include <vector>

// The size phases of the text animator's letters.
enum TTextAnimStyle { taAll, taRandom, taWave, taWind };

// Each letter's size offset (0..maxStep) and whether it grows (+1) or shrinks (-1).
struct TextAnimLetterPhases {
    std::vector<int> offsets;
    std::vector<signed char> directions;
};

// Starting offsets for n letters, all growing: in phase (taAll), random (taRandom), a half sine
// across the text (taWave) or a linear ramp (taWind).
void StartLetterPhases(TextAnimLetterPhases& phases, int letters, TTextAnimStyle style,
                       int maxStep, std::mt19937& random);

// One tick: every offset moves by step in its direction and reflects at maxStep and at 0.
void AdvanceLetterPhases(TextAnimLetterPhases& phases, int step, int maxStep);
