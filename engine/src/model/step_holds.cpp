#include "model/step_holds.h"

#include <algorithm>
#include <cmath>

namespace lodra {

double Edge::position(std::span<const double> x) const {
  if (kind == Kind::At) return x[i];
  double low = std::min(x[i], x[j]);
  double high = std::max(x[i], x[j]);
  return std::clamp((x[i] + x[j]) / 2.0, low, high);
}

std::vector<Hold> holds(std::span<const double> x, std::span<const double> y, Step position) {
  std::vector<Hold> result;
  const std::size_t count = std::min(x.size(), y.size());
  for (std::size_t p = 0; p < count; ++p) {
    if (!std::isfinite(x[p]) || !std::isfinite(y[p])) continue;
    // Only the neighbours' x matter, not their y.
    bool before = p > 0 && std::isfinite(x[p - 1]);
    bool after = p + 1 < count && std::isfinite(x[p + 1]);
    Edge here = Edge::at(p);
    switch (position) {
      case Step::Post:
        result.push_back({here, after ? Edge::at(p + 1) : here, p});
        break;
      case Step::Pre:
        result.push_back({before ? Edge::at(p - 1) : here, here, p});
        break;
      case Step::Mid:
        result.push_back({before ? Edge::mid(p, p - 1) : here, after ? Edge::mid(p, p + 1) : here, p});
        break;
    }
  }
  return result;
}

}  // namespace lodra
