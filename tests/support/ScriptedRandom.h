#pragma once
// Random numbers for tests: a script first, then the game's own generator.
#include "runtime/Random.h"

#include <deque>

class ScriptedRandom : public RandomSource {
public:
    std::deque<float> fractions;
    int reseeds = 0;

    // Scripts the digits that WholePart(fraction() * 10) will give.
    void digits(const char* digits);
    void reseed() override;
    float fraction() override;

private:
    RandomNumbers generator_;
};
