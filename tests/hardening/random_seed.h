#pragma once
// One seed per test run, printed so that a failure can be replayed with
// TAKTON_SEED=<seed>.

#include <QtGlobal>
#include <cstdint>
#include <random>

namespace takton::testing {

inline std::uint64_t runSeed()
{
    static const std::uint64_t seed = [] {
        bool ok = false;
        const qulonglong fixed = qEnvironmentVariable("TAKTON_SEED").toULongLong(&ok);
        const std::uint64_t s = ok ? fixed : (std::uint64_t(std::random_device{}()) << 32) ^ std::random_device{}();
        qInfo("random seed %llu (replay with TAKTON_SEED=%llu)", qulonglong(s), qulonglong(s));
        return s;
    }();
    return seed;
}

} // namespace takton::testing
