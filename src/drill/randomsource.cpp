#include "randomsource.h"

#include <random>

namespace drill {
namespace {

class SystemRandom : public RandomSource {
public:
    SystemRandom() : m_engine(std::random_device{}()) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
    std::mt19937 m_engine;
};

}  // namespace

std::unique_ptr<RandomSource> makeSystemRandom()
{
    return std::make_unique<SystemRandom>();
}

}  // namespace drill
