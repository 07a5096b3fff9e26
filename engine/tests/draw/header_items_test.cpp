#include "draw/header_items.h"

#include <gtest/gtest.h>

#include <string>

#include "draw/item_text.h"
#include "layout/panel_fixture.h"
#include "layout/text_styles.h"

namespace lodra::draw {
namespace {

layout::HeaderLine line(std::string_view text, double x, double y) {
  layout::HeaderLine placed{lodra::testing::label(text, layout::body_style(Theme::pigment()))};
  placed.label.x = x;
  placed.label.y = y;
  return placed;
}

// Title in the text colour, subtitle muted, then the merged legend's rows; each part may be
// missing, and a header without any yields no item.
TEST(FigureHeaderItems, TitleSubtitleAndLegendRows) {
  layout::RowEntry entry;
  entry.label = lodra::testing::label("A", layout::body_style(Theme::pigment()));
  entry.label.x = 26;
  entry.label.y = 50;
  entry.swatch = {layout::SwatchKind::Patch, Rgba{200, 100, 50, 255}};
  entry.swatch_box = {12, 40, 10, 10};
  const std::string title = "text \"Sales\" 12 20 #2b211bff";
  const std::string subtitle = "text \"2024\" 12 32 #8c8076ff";
  const std::string rows =
      "fill M12 40 L22 40 L22 50 L12 50 Z #c86432ff; text \"A\" 26 50 #2b211bff";
  struct Case {
    bool title, subtitle, legend;
    std::string expected;
  } cases[] = {
      {true, true, true, "group(" + title + "; " + subtitle + "; " + rows + ")"},
      {false, true, false, "group(" + subtitle + ")"},
      {false, false, true, "group(" + rows + ")"},
      {false, false, false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    layout::FigureHeader header;
    if (c.title) header.title = line("Sales", 12, 20);
    if (c.subtitle) header.subtitle = line("2024", 12, 32);
    if (c.legend) header.legend = {entry};
    const std::optional<scene::Item> item = figure_header(Theme::pigment(), header);
    EXPECT_EQ(item ? testing::describe(*item) : "", c.expected);
  }
}

}  // namespace
}  // namespace lodra::draw
