#pragma once

#include <cstddef>
#include <span>
#include <vector>

// Which points of a series to draw so that each pixel column costs at most four: for each run
// of points that fall in one column, the first, the lowest, the highest and the last, in their
// order. A line through them looks exactly like a line through all of them, since inside one
// column only the vertical extent shows. Points whose x or y is not finite are left out.
//
// `first` and `last` bound the indices looked at; the column of x is floor((x - x0) * scale).
std::vector<std::size_t> ColumnPoints(std::span<const double> xs, std::span<const double> ys,
                                      std::size_t first, std::size_t last, double x0, double scale);

// The indices [first, last) of a series sorted by x that a window [lower, upper] of x needs,
// one point beyond each side so that lines leave the window as they should.
std::pair<std::size_t, std::size_t> VisibleRange(std::span<const double> sortedXs, double lower,
                                                 double upper);
