#pragma once

// Health, nursing-care and welfare-pension premiums on a bonus: the bonus
// rounded down to 1,000 yen, up to the standard bonus amount's ceiling for
// each payment, times the employee's rate.
#include <cstdint>

struct BonusPremiumRate {
    double tenTimesRate;  // R in (x × R + 0.9) × 0.1 + 0.4
    std::int32_t ceiling;
};

inline constexpr BonusPremiumRate healthRate = {0.41, 2'000'000};      // 4.1 %
inline constexpr BonusPremiumRate pensionRate = {0.679, 1'500'000};    // 6.79 %
inline constexpr BonusPremiumRate nursingRate = {0.0555, 2'000'000};   // 0.555 %, the health ceiling
