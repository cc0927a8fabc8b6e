#pragma once

#include <memory>

namespace drill {

// Numbers uniform in [0, 1); seeded once, never again from a coarse clock.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

std::unique_ptr<RandomSource> makeSystemRandom();

}  // namespace drill
