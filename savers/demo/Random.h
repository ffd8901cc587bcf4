#pragma once
// A tiny, fast generator: the savers need variety, not statistical quality.
#include <cstdint>

namespace demo {

class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}

    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    // Uniform in [low, high).
    float Between(float low, float high) {
        return low + (high - low) * static_cast<float>(Next() >> 8) / static_cast<float>(1u << 24);
    }

private:
    std::uint32_t state_;
};

}  // namespace demo
