#pragma once
#include <cstdint>

// Game counters grow only through these: an increment or a sum that would pass the
// counter's width is reported and ends the program instead of wrapping round.
void Increment(std::int16_t& counter);
void Increment(std::int32_t& counter);
void AddTo(std::int32_t& counter, std::int32_t amount);
std::int32_t CheckedSum(std::int32_t a, std::int32_t b);
