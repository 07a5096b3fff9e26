// The drawable elements of a scene: fills, strokes, markers, text and clipped groups.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "color.h"
#include "scene/geometry.h"
#include "scene/paint.h"
#include "scene/path.h"
#include "scene/style.h"

namespace lodra::scene {

struct Item;

struct Fill {
  Path path;
  FillPaint paint;
  bool even_odd = false;  // the even-odd rule; otherwise non-zero winding
};

struct Stroke {
  Path path;
  StrokeStyle stroke;
};

// One shape stamped at many points.
struct Markers {
  Path shape;  // relative to the marker centre at (0, 0)
  std::vector<Point> points;
  std::optional<StrokeStyle> stroke;
  std::optional<Rgba> fill;
};

// One line of text, both as its string and as its ready glyph outline; a writer picks one.
struct Text {
  std::string text;  // UTF-8
  Path outline;      // already placed in scene coordinates
  TextStyle style;
  Point origin;  // the left end of the baseline
  Rgba color;
  float width = 0;  // advance width in points, for consumers that need the extent
};

// An ordered sub-list whose children are visible only inside `clip` when there is one.
// Dropping a group never recurses through its nesting, so any depth is released safely.
struct ItemGroup {
  std::vector<Item> items;
  std::optional<Rect> clip;

  explicit ItemGroup(std::vector<Item> children = {}, std::optional<Rect> clip_rect = {});
  ItemGroup(const ItemGroup&);
  ItemGroup(ItemGroup&&) noexcept;
  ItemGroup& operator=(const ItemGroup&);
  ItemGroup& operator=(ItemGroup&&) noexcept;
  ~ItemGroup();
};

struct Item {
  std::variant<Fill, Stroke, Markers, Text, ItemGroup> kind;
};

}  // namespace lodra::scene
