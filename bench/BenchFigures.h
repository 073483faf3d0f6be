#pragma once

#include <QString>

#include <algorithm>
#include <vector>

// How the benchmarks report what they measured.
namespace BenchFigures {

/// The middle value of `values` (the upper middle for an even count).
inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

/// The value below which `share` (0 to 1) of `values` lie.
inline double percentile(std::vector<double> values, double share)
{
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, std::size_t(share * double(values.size())))];
}

/// Milliseconds with two decimals and their unit.
inline QString ms(double value)
{
    return QString::number(value, 'f', 2) + QStringLiteral(" ms");
}

} // namespace BenchFigures
