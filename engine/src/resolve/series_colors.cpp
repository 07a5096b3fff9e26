#include "resolve/series_colors.h"

#include <variant>

namespace lodra::resolve {

namespace {

// Calls `f(label, color)` for every series of the mark, in order.
template <class F>
void for_each_series(const Mark& mark, F&& f) {
  std::visit(
      [&](const auto& m) {
        if constexpr (requires { m.style.label; }) {
          f(m.style.label, m.style.color);
        } else if constexpr (requires { m.distributions; }) {
          for (const Distribution& d : m.distributions) f(d.label, d.color);
        } else if constexpr (requires { m.label; }) {
          f(m.label, m.color);
        } else {
          for (const Series& s : m.series) f(s.label, s.color);
        }
      },
      mark);
}

// Palette entry `index`, wrapped, with the spec's opacity.
Rgba palette_color(const Theme& theme, std::size_t index, Alpha alpha) {
  constexpr Rgba kNoPalette{0x1A, 0x1A, 0x1A, 255};
  Rgba base = theme.palette.empty() ? kNoPalette : theme.palette[index % theme.palette.size()];
  return base.with_alpha(alpha.value);
}

}  // namespace

SeriesLabels SeriesLabels::of(const Figure& figure) {
  SeriesLabels labels;
  for (const Axes& axes : figure.axes()) {
    for (const Mark& mark : axes.marks) {
      for_each_series(mark, [&](const std::string& label, const ColorSpec& color) {
        if (color.kind == ColorSpec::Kind::Auto && !label.empty()) labels.add(label);
      });
    }
  }
  return labels;
}

void SeriesLabels::add(std::string_view label) {
  if (index_.find(label) == index_.end()) index_.emplace(label, index_.size());
}

const std::size_t* SeriesLabels::find(std::string_view label) const {
  auto at = index_.find(label);
  return at == index_.end() ? nullptr : &at->second;
}

Rgba PanelColors::color(const ColorSpec& spec, std::string_view label) {
  switch (spec.kind) {
    case ColorSpec::Kind::Exact:
      return spec.rgba;
    case ColorSpec::Kind::Palette:
      return palette_color(theme_, static_cast<std::size_t>(spec.index), spec.alpha);
    case ColorSpec::Kind::Auto:
      break;
  }
  const std::size_t* known = labels_.find(label);
  std::size_t index = known ? *known : next_unlabelled_++;
  return palette_color(theme_, index, spec.alpha);
}

}  // namespace lodra::resolve
