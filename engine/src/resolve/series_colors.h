// Colours of series: a label keeps one palette colour across the whole figure, by the order in
// which labels first appear; unlabelled series of a panel take the colours after them.
#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "color.h"
#include "model/figure.h"
#include "theme.h"

namespace lodra::resolve {

// The palette index of every label of an automatically coloured series, for one render.
class SeriesLabels {
 public:
  // Walks the axes, their marks and their series in order.
  static SeriesLabels of(const Figure& figure);

  void add(std::string_view label);
  const std::size_t* find(std::string_view label) const;
  std::size_t size() const { return index_.size(); }

 private:
  std::map<std::string, std::size_t, std::less<>> index_;
};

// Chooses the colours of the series of one panel.
class PanelColors {
 public:
  PanelColors(const Theme& theme, const SeriesLabels& labels)
      : theme_(theme), labels_(labels), next_unlabelled_(labels.size()) {}

  Rgba color(const ColorSpec& spec, std::string_view label);

 private:
  const Theme& theme_;
  const SeriesLabels& labels_;
  std::size_t next_unlabelled_;
};

}  // namespace lodra::resolve
