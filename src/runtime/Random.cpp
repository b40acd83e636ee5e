#include "runtime/Random.h"

#include <cstring>

namespace {
std::uint64_t SplitMix(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}
}  // namespace

void RandomNumbers::reseed(float clock)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &clock, sizeof bits);
    state_ ^= (static_cast<std::uint64_t>(bits) << 32) | bits;
    SplitMix(state_);
}

float RandomNumbers::next()
{
    return static_cast<float>(SplitMix(state_) >> 40) * (1.0f / 16777216.0f);
}
