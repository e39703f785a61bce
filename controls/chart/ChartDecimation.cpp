#include "controls/chart/ChartDecimation.h"

#include <algorithm>
#include <cmath>

std::vector<std::size_t> ColumnPoints(std::span<const double> xs, std::span<const double> ys,
                                      std::size_t first, std::size_t last, double x0,
                                      double scale) {
    std::vector<std::size_t> chosen;
    last = std::min({last, xs.size(), ys.size()});
    bool open = false;
    double column = 0;
    std::size_t firstOf = 0, lowest = 0, highest = 0, lastOf = 0;
    const auto flush = [&] {
        std::size_t run[] = {firstOf, lowest, highest, lastOf};
        std::sort(std::begin(run), std::end(run));
        for (std::size_t index : run) {
            if (chosen.empty() || chosen.back() != index)
                chosen.push_back(index);
        }
    };
    for (std::size_t i = first; i < last; ++i) {
        if (!std::isfinite(xs[i]) || !std::isfinite(ys[i]))
            continue;
        const double c = std::floor((xs[i] - x0) * scale);
        if (open && c == column) {
            if (ys[i] < ys[lowest])
                lowest = i;
            if (ys[i] > ys[highest])
                highest = i;
            lastOf = i;
            continue;
        }
        if (open)
            flush();
        open = true;
        column = c;
        firstOf = lowest = highest = lastOf = i;
    }
    if (open)
        flush();
    return chosen;
}

std::pair<std::size_t, std::size_t> VisibleRange(std::span<const double> sortedXs, double lower,
                                                 double upper) {
    const auto begin = std::lower_bound(sortedXs.begin(), sortedXs.end(), lower);
    const auto end = std::upper_bound(begin, sortedXs.end(), upper);
    std::size_t first = static_cast<std::size_t>(begin - sortedXs.begin());
    std::size_t last = static_cast<std::size_t>(end - sortedXs.begin());
    if (first > 0)
        --first;
    if (last < sortedXs.size())
        ++last;
    return {first, last};
}
