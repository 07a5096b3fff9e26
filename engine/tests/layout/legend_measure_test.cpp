#include "layout/legend_measure.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace lodra::layout {
namespace {

constexpr double kTextSize = 8.5;  // the default theme's legend text
constexpr double kRowHeight = 1.35 * kTextSize;

const text::FontLibrary& fonts() { return text::FontLibrary::global(); }

Figure figure_with(Theme theme = Theme::pigment()) { return *Figure::make(std::move(theme), 8, 6); }

LegendEntry patch(const char* label) { return {label, {SwatchKind::Patch, {}, 0}}; }

double label_width(const char* text) {
  const Theme theme = Theme::pigment();
  const scene::TextStyle style =
      text_style(kTextSize, theme.body_font, text::Weight::Regular, false);
  return measure(fonts(), text, style).width();
}

MeasuredLegend measured(std::vector<LegendEntry> keyed, bool chips = false,
                        LegendPosition position = LegendPosition::TopLeft,
                        Theme theme = Theme::pigment()) {
  Legend legend{std::move(keyed), {}, chips};
  MeasuredLegend out = MeasuredLegend::measure(figure_with(std::move(theme)), legend, fonts());
  out.position = position;
  return out;
}

void expect_rect(const Rect& actual, const Rect& expected) {
  EXPECT_DOUBLE_EQ(actual.left, expected.left);
  EXPECT_DOUBLE_EQ(actual.top, expected.top);
  EXPECT_DOUBLE_EQ(actual.width, expected.width);
  EXPECT_DOUBLE_EQ(actual.height, expected.height);
}

TEST(LegendMeasure, AnEmptyLegendHasNoRowsAndNoDirectEntries) {
  MeasuredLegend legend = measured({});
  EXPECT_FALSE(legend.has_rows());
  EXPECT_TRUE(legend.direct.empty());
  EXPECT_EQ(legend.row_within(0, 100).rows, 0u);
  EXPECT_EQ(legend.row_within(0, 100).height(), 0.0);
  EXPECT_EQ(legend.direct_reserve(), 0.0);
}

TEST(LegendMeasure, RowHeightAndEntryWidths) {
  const double patch_side = 0.8 * kTextSize;
  struct Case {
    const char* why;
    std::vector<LegendEntry> keyed;
    bool chips;
    double row_height;
    double first_width;
  } cases[] = {
      {"plain: swatch, 4, label", {patch("Sales")}, false, kRowHeight,
       patch_side + 4 + label_width("Sales")},
      {"a taller swatch raises the row", {patch("Sales"), {"big", {SwatchKind::Marker, {}, 18}}},
       false, 36.8, patch_side + 4 + label_width("Sales")},
      {"chips: a taller row, padding on both sides, every swatch a dot", {patch("Sales"),
       {"big", {SwatchKind::Marker, {}, 18}}}, true, kRowHeight + 6,
       0.6 * kTextSize + 4 + label_width("Sales") + 14},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    MeasuredLegend legend = measured(c.keyed, c.chips);
    ASSERT_TRUE(legend.has_rows());
    EXPECT_DOUBLE_EQ(legend.row->row_height, c.row_height);
    EXPECT_DOUBLE_EQ(legend.row->entries[0].width, c.first_width);
    EXPECT_EQ(legend.row->gap, c.chips ? 6.0 : 12.0);
  }
}

TEST(LegendMeasure, RowsWrapAtTheRightEdgeWithinTheTolerance) {
  const double w = 0.8 * kTextSize + 4 + label_width("Aa");
  const double left = 10;
  const double full = left + 3 * w + 2 * 12;  // three entries exactly
  struct Case {
    const char* why;
    double right;
    std::size_t rows;
    std::vector<double> tops;  // of the three entries
    std::vector<double> xs;
  } cases[] = {
      {"exactly as wide as the row", full, 1, {0, 0, 0}, {left, left + w + 12, left + 2 * w + 24}},
      {"short by less than the tolerance", full - 1e-7, 1, {0, 0, 0},
       {left, left + w + 12, left + 2 * w + 24}},
      {"short by more than the tolerance", full - 1e-5, 2, {0, 0, 4 + kRowHeight},
       {left, left + w + 12, left}},
      {"no room at all: one entry per row", left, 3, {0, 4 + kRowHeight, 8 + 2 * kRowHeight},
       {left, left, left}},
      {"narrower than one entry: each still takes a row", left + w / 2, 3,
       {0, 4 + kRowHeight, 8 + 2 * kRowHeight}, {left, left, left}},
  };
  MeasuredLegend legend = measured({patch("Aa"), patch("Aa"), patch("Aa")});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    LegendRow rows = legend.row_within(left, c.right);
    ASSERT_EQ(rows.entries.size(), 3u);
    EXPECT_EQ(rows.rows, c.rows);
    const double gaps = static_cast<double>(c.rows - 1);
    EXPECT_DOUBLE_EQ(rows.height(), (4 + kRowHeight) * gaps + kRowHeight);
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_DOUBLE_EQ(rows.entries[i].y, c.tops[i]) << i;
      EXPECT_NEAR(rows.entries[i].x, c.xs[i], 1e-9) << i;
    }
  }
}

TEST(LegendMeasure, EntriesCentreSwatchAndTextOnTheirRow) {
  MeasuredLegend plain = measured({patch("Sales")});
  const double ascent = plain.row->ascent, descent = plain.row->descent;
  RowEntry entry = plain.row_within(20, 500).entries[0];
  expect_rect(entry.swatch_box, {20, kRowHeight / 2 - 3.4, 6.8, 6.8});
  EXPECT_DOUBLE_EQ(entry.label.x, 20 + 6.8 + 4);
  EXPECT_DOUBLE_EQ(entry.label.y, kRowHeight / 2 + (ascent - descent) / 2);
  EXPECT_FALSE(entry.chip);

  MeasuredLegend chips = measured({patch("Sales")}, true);
  RowEntry chip = chips.row_within(20, 500).entries[0];
  const double chip_row = kRowHeight + 6;
  ASSERT_TRUE(chip.chip);
  expect_rect(*chip.chip, {20, 0, chip.width, chip_row});
  EXPECT_DOUBLE_EQ(chip.swatch_box.left, 27);
  EXPECT_DOUBLE_EQ(chip.swatch_box.top, chip_row / 2 - 0.3 * kTextSize);
}

TEST(LegendMeasure, AChipIsAtLeastAsWideAsItsRowWithItsContentCentred) {
  Theme big = Theme::pigment();
  big.text_size = 100;  // a row of 141 pt, wider than a chip of one short label
  MeasuredLegend legend = measured({patch(".")}, true, LegendPosition::TopLeft, big);
  const double row_height = 1.35 * 100 + 6;
  const double natural = 60 + 4 + legend.row->entries[0].label.width() + 14;
  ASSERT_LT(natural, row_height);
  RowEntry entry = legend.row_within(0, 1000).entries[0];
  EXPECT_DOUBLE_EQ(entry.width, row_height);
  EXPECT_DOUBLE_EQ(entry.swatch_box.left, 7 + (row_height - natural) / 2);
}

TEST(LegendMeasure, ReservesBesideAndBelowThePlot) {
  const std::vector<LegendEntry> keyed = {patch("Aa"), patch("Longer label")};
  const double widest = 0.8 * kTextSize + 4 + label_width("Longer label");
  struct Case {
    LegendPosition position;
    double right;
    double bottom;  // within a span wide enough for one row
  } cases[] = {
      {LegendPosition::Right, widest + 12, 0},
      {LegendPosition::Bottom, 0, kRowHeight + 8},
      {LegendPosition::TopLeft, 0, 0},
      {LegendPosition::TopRight, 0, 0},
      {LegendPosition::Best, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.position));
    MeasuredLegend legend = measured(keyed, false, c.position);
    EXPECT_DOUBLE_EQ(legend.right_reserve(), c.right);
    EXPECT_DOUBLE_EQ(legend.bottom_reserve(0, 1000), c.bottom);
    EXPECT_EQ(measured({}, false, c.position).right_reserve(), 0.0);
    EXPECT_EQ(measured({}, false, c.position).bottom_reserve(0, 1000), 0.0);
  }
  // Two rows below a narrow plot.
  EXPECT_DOUBLE_EQ(measured(keyed, false, LegendPosition::Bottom).bottom_reserve(0, 1),
                   4 + 2 * kRowHeight + 8);
}

TEST(LegendMeasure, RowsAlignWithinTheSpanAndMoveDown) {
  MeasuredLegend legend = measured({patch("Aa"), patch("Aa"), patch("Bb")});
  const double w = legend.row->entries[0].width, last = legend.row->entries[2].width;
  // Two entries in the first row, one in the second.
  LegendRow rows = legend.row_within(0, 2 * w + 12);
  ASSERT_EQ(rows.rows, 2u);
  struct Case {
    Align alignment;
    double first_row_x, second_row_x;
  } cases[] = {
      {Align::Left, 0, 0},
      {Align::Center, 50 - (2 * w + 12) / 2, 50 - last / 2},
      {Align::Right, 100 - (2 * w + 12), 100 - last},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.alignment));
    LegendRow aligned = LegendRow::aligned(rows, c.alignment, 0, 100);
    EXPECT_DOUBLE_EQ(aligned.entries[0].x, c.first_row_x);
    EXPECT_DOUBLE_EQ(aligned.entries[1].x, c.first_row_x + w + 12);
    EXPECT_DOUBLE_EQ(aligned.entries[2].x, c.second_row_x);
    EXPECT_DOUBLE_EQ(aligned.entries[2].label.x - aligned.entries[2].x,
                     rows.entries[2].label.x - rows.entries[2].x);
    EXPECT_DOUBLE_EQ(aligned.entries[2].swatch_box.left - aligned.entries[2].x,
                     rows.entries[2].swatch_box.left - rows.entries[2].x);
  }

  MeasuredLegend chips = measured({patch("Aa")}, true);
  LegendRow chip_rows = chips.row_within(0, 100);
  std::vector<RowEntry> placed = LegendRow::placed(chip_rows, 30);
  const RowEntry& before = chip_rows.entries[0];
  EXPECT_DOUBLE_EQ(placed[0].y, before.y + 30);
  EXPECT_DOUBLE_EQ(placed[0].label.y, before.label.y + 30);
  EXPECT_DOUBLE_EQ(placed[0].swatch_box.top, before.swatch_box.top + 30);
  EXPECT_DOUBLE_EQ(placed[0].chip->top, before.chip->top + 30);
  EXPECT_DOUBLE_EQ(placed[0].label.x, before.label.x);
}

TEST(LegendMeasure, DirectEntriesUseTabularFiguresAndTheThemeMarkerSize) {
  const float kNaN = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    float marker_size;
    double kept;
  } cases[] = {{6, 6}, {kNaN, 0}, {-2, 0}, {1e6f, 10000}};
  for (const Case& c : cases) {
    Theme theme = Theme::pigment();
    theme.marker_size = c.marker_size;
    Legend legend{{}, {{"Revenue 2024", {}, Anchor{1.0, 2.0, false}}}, false};
    MeasuredLegend m = MeasuredLegend::measure(figure_with(theme), legend, fonts());
    ASSERT_EQ(m.direct.size(), 1u);
    EXPECT_TRUE(m.direct[0].label.style.tabular);
    EXPECT_DOUBLE_EQ(m.direct_size, kTextSize);
    EXPECT_EQ(m.marker_size, c.kept);
    EXPECT_DOUBLE_EQ(m.direct_reserve(), c.kept / 2 + 6 + m.direct[0].label.width());
    EXPECT_FALSE(m.has_rows());
  }
}

}  // namespace
}  // namespace lodra::layout
