#pragma once

#include <cstdint>

// A small deterministic generator for the backgrounds: the same numbers on every machine and run.
class Noise
{
public:
    explicit Noise(uint32_t seed) : state(seed ? seed : 1) {}
    // The next number in [0, 1).
    double next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return double(state) / 4294967296.0;
    }

private:
    uint32_t state;
};
