#pragma once

#include <algorithm>
#include <cstdio>
#include <vector>

// One line per figure: the spread of the runs, so a reader sees both the typical value and
// the bad tail (p95 is the nearest-rank value, so with 20 runs it is the second worst).
inline void printFigure(const char* what, std::vector<double> values, const char* unit)
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
    std::printf("%-44s min %7.1f  median %7.1f  p95 %7.1f  max %7.1f %s  (n=%zu)\n", what,
                values.front(), rank(0.5), rank(0.95), values.back(), unit, values.size());
    std::fflush(stdout);
}
