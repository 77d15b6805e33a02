#pragma once

#include <cstdint>

// The colour arithmetic of the knob's face.

// Adds a signed amount to the red, green and blue bytes of a colour value as stored (a system
// colour reference is not resolved), each clamped to 0..255, giving a plain RGB colour.
std::uint32_t OffsetColor(std::uint32_t color, int amount);

// Mixes one row of 24-bit pixels: dest = min(255, (dest x (100 - weight) + src x weight) div 100)
// for every byte. Bytes that would fall below 0 (weights above 100) are held at 0.
void BlendRow(std::uint8_t* dest, const std::uint8_t* src, int pixels, int weight);
