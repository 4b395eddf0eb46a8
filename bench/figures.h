#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

// One line per figure: the spread of the runs, so a reader sees both the typical value and
// the bad tail (p95 is the nearest-rank value, so with 20 runs it is the second worst).
inline void printFigure(const char* what, std::vector<double> values, const char* unit,
                        int decimals = 1)
{
    if (values.empty()) {
        std::printf("%-44s no data\n", what);
        return;
    }
    std::sort(values.begin(), values.end());
    const auto rank = [&values](double share) {
        const auto n = static_cast<double>(values.size());
        return values[std::min(values.size() - 1, static_cast<std::size_t>(share * n + 0.999) - 1)];
    };
    const int d = decimals;
    std::printf("%-44s min %7.*f  median %7.*f  p95 %7.*f  max %7.*f %s  (n=%zu)\n", what, d,
                values.front(), d, rank(0.5), d, rank(0.95), d, values.back(), unit, values.size());
    std::fflush(stdout);
}
