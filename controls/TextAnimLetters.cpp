#include "controls/TextAnimLetters.h"

#include <cmath>
#include <numbers>

void StartLetterPhases(TextAnimLetterPhases& phases, int letters, TTextAnimStyle style,
                       int maxStep, std::mt19937& random) {
    phases.offsets.assign(letters, 0);
    phases.directions.assign(letters, 1);
    for (int i = 0; i < letters; ++i) {
        switch (style) {
        case taAll:
            break;
        case taRandom:
            phases.offsets[i] = std::uniform_int_distribution<int>(0, maxStep)(random);
            break;
        case taWave:
            phases.offsets[i] = static_cast<int>(
                std::trunc(std::sin(static_cast<double>(i) / letters * std::numbers::pi) * maxStep));
            break;
        case taWind:
            phases.offsets[i] = maxStep * i / letters;
            break;
        }
    }
}

void AdvanceLetterPhases(TextAnimLetterPhases& phases, int step, int maxStep) {
    for (std::size_t i = 0; i < phases.offsets.size(); ++i) {
        int& offset = phases.offsets[i];
        signed char& direction = phases.directions[i];
        offset += step * direction;
        if (offset > maxStep) {
            offset = 2 * maxStep - offset;
            direction = -1;
        }
        if (offset <= 0) {
            offset = -offset;
            direction = 1;
        }
    }
}
