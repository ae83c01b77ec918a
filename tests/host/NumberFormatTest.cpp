#include "host/ObjectText.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace trajecta {
namespace {

// The reference: six decimals of the exact expansion, trailing zeros and a
// bare mark removed.
QString reference(double x) {
    QString text = formatFixed(x, 6, QLatin1Char('.'));
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

TEST(FormatNumber, AgreesWithTheExactExpansionEverywhere) {
    for (double x : {0.0, -0.0, 100.0, 12.5, 1.0 / 3, -0.5, 99.9999996, 0.0000005, -0.0000005, 0.0000015,
                     2.5e-7, 999999.9999995, 1e6, -1234567.125, 83.3333333333, 0.1})
        EXPECT_EQ(formatNumber(x), reference(x)) << x;
    std::mt19937_64 rng(81);
    std::uniform_real_distribution<double> wide(-2e6, 2e6);
    std::uniform_int_distribution<int> ticks(-2000000000, 2000000000);
    for (int i = 0; i < 200000; ++i) {
        const double a = wide(rng);
        ASSERT_EQ(formatNumber(a), reference(a)) << a;
        // Values on or next to the half-millionth grid, where ties live.
        const double t = (ticks(rng) + 0.5) / 1e6;
        ASSERT_EQ(formatNumber(t), reference(t)) << t;
        const double n = std::nextafter(t, 0.0);
        ASSERT_EQ(formatNumber(n), reference(n)) << n;
    }
}

} // namespace
} // namespace trajecta
