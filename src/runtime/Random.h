#pragma once
#include <cstdint>

// The game's random numbers. Reseeding mixes the clock reading into the state rather than
// replacing it, so two reseeds within the same clock tick still give different numbers.
class RandomNumbers {
public:
    void reseed(float clock);
    float next();  // [0, 1), 24 bits

private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};
