#pragma once
#include <cstdint>

// Where a rule draws its random numbers from: the game's own, reseeded from the clock,
// through the services; a script in tests.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    virtual float fraction() = 0;  // [0, 1)
};

// The game's random numbers. Reseeding mixes the clock reading into the state rather than
// replacing it, so two reseeds within the same clock tick still give different numbers.
class RandomNumbers {
public:
    void reseed(float clock);
    float next();  // [0, 1), 24 bits

private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
};
