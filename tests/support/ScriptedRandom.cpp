#include "ScriptedRandom.h"

void ScriptedRandom::digits(const char* digits)
{
    for (const char* d = digits; *d; ++d)
        fractions.push_back(static_cast<float>(*d - '0') / 10.0f + 0.05f);
}

void ScriptedRandom::reseed()
{
    ++reseeds;
    generator_.reseed(static_cast<float>(reseeds));
}

float ScriptedRandom::fraction()
{
    if (fractions.empty())
        return generator_.next();
    const float f = fractions.front();
    fractions.pop_front();
    return f;
}
