#include "render/canvas.h"

#include <gtest/gtest.h>

#include <functional>

#include "raster_support.h"

namespace lodra::render {
namespace {

using namespace testing;

constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kBlue{0, 0, 255, 255};

std::uint32_t at(const Pixmap& pixmap, std::uint32_t x, std::uint32_t y) { return pixmap.row(y)[x]; }

struct Probe {
  std::uint32_t x, y;
  std::uint32_t expected;  // the pixel word
};

// Each scene is painted at 72 dpi on a white 40 × 40 page and probed at pixel centres.
TEST(Canvas, PaintsItemsInsideTheirClips) {
  constexpr std::uint32_t kWhitePixel = 0xFFFFFFFF, kRedPixel = 0xFFFF0000, kBluePixel = 0xFF0000FF;
  const std::string kPage = "M0 0 L40 0 L40 40 L0 40 Z";
  scene::StrokeStyle dashed{{10, 10}, kBlue, 4, scene::LineCap::Butt, scene::LineJoin::Miter};
  const struct {
    const char* name;
    std::function<std::vector<scene::Item>()> items;
    std::vector<Probe> probes;
  } cases[] = {
      {"a clip shows its children inside it only",
       [&] { return std::vector{group_of({fill_item(kPage, kRed)}, scene::Rect{10, 10, 20, 5})}; },
       {{10, 10, kRedPixel}, {29, 14, kRedPixel}, {9, 12, kWhitePixel}, {30, 12, kWhitePixel}, {15, 15, kWhitePixel}}},
      {"nested clips intersect",
       [&] {
         return std::vector{group_of({group_of({fill_item(kPage, kRed)}, scene::Rect{0, 0, 20, 40})},
                                     scene::Rect{10, 0, 30, 40})};
       },
       {{9, 5, kWhitePixel}, {10, 5, kRedPixel}, {19, 5, kRedPixel}, {20, 5, kWhitePixel}}},
      {"a clip of zero width or a non-finite one hides everything",
       [&] {
         return std::vector{group_of({fill_item(kPage, kRed)}, scene::Rect{0, 0, 0, 40}),
                            group_of({fill_item(kPage, kRed)}, scene::Rect{0, 0, NAN, 40})};
       },
       {{0, 0, kWhitePixel}, {20, 20, kWhitePixel}}},
      {"even-odd leaves a hole where non-zero fills",
       [&] {
         const std::string squares = "M0 0 L20 0 L20 20 L0 20 Z M5 5 L15 5 L15 15 L5 15 Z";
         return std::vector{fill_item(squares, kRed, true), fill_item(squares, kBlue, false)};
       },
       {{10, 10, kBluePixel}, {2, 2, kBluePixel}}},
      {"even-odd alone",
       [&] { return std::vector{fill_item("M0 0 L20 0 L20 20 L0 20 Z M5 5 L15 5 L15 15 L5 15 Z", kRed, true)}; },
       {{10, 10, kWhitePixel}, {2, 2, kRedPixel}}},
      {"a gradient runs from its start to its end and pads beyond",
       [&] {
         scene::LinearGradient gradient{{{1, kBlue}, {0, kRed}}, {10, 0}, {30, 0}};
         return std::vector{fill_item(kPage, gradient)};
       },
       {{0, 5, kRedPixel}, {9, 5, kRedPixel}, {30, 5, kBluePixel}, {39, 5, kBluePixel}}},
      {"a gradient whose ends coincide fills with its last stop",
       [&] {
         scene::LinearGradient gradient{{{0, kBlue}, {1, kRed}}, {10, 0}, {10, 0}};
         return std::vector{fill_item(kPage, gradient)};
       },
       {{20, 20, kRedPixel}}},
      {"a dashed stroke alternates on and off",
       [&] { return std::vector{scene::Item{scene::Stroke{path_of("M0 20 L40 20"), dashed}}}; },
       {{5, 20, kBluePixel}, {15, 20, kWhitePixel}, {25, 20, kBluePixel}, {5, 22, kWhitePixel}}},
      {"text paints its outline, unless its origin is out of range",
       [&] {
         scene::Text shown{"a", path_of("M0 0 L10 0 L10 10 L0 10 Z"), {}, {0, 10}, kRed, 10};
         scene::Text hidden{"b", path_of("M20 0 L30 0 L30 10 L20 10 Z"), {}, {2e6f, 10}, kRed, 10};
         return std::vector{scene::Item{shown}, scene::Item{hidden}};
       },
       {{5, 5, kRedPixel}, {25, 5, kWhitePixel}}},
  };
  for (const auto& c : cases) {
    scene::Scene scene = page(40, 40);
    scene.items = c.items();
    Pixmap pixmap = rasterized(scene);
    for (const Probe& probe : c.probes) {
      EXPECT_EQ(at(pixmap, probe.x, probe.y), probe.expected)
          << c.name << " at " << probe.x << ", " << probe.y;
    }
  }
}

// Group i (from 0, the outermost) holds a fill of column i and then group i + 1.
TEST(Canvas, DrawsGroupsUpToDepth255) {
  constexpr int kGroups = 300;
  scene::Item inner = group_of({}, std::nullopt);
  for (int i = kGroups - 1; i >= 0; --i) {
    std::string column = "M" + std::to_string(i) + " 0 L" + std::to_string(i + 1) + " 0 L" +
                         std::to_string(i + 1) + " 1 L" + std::to_string(i) + " 1 Z";
    std::vector<scene::Item> children;
    children.push_back(fill_item(column, kRed));
    children.push_back(std::move(inner));
    inner = group_of(std::move(children), std::nullopt);
  }
  scene::Scene scene = page(kGroups, 1);
  scene.items.push_back(std::move(inner));
  Pixmap pixmap = rasterized(scene);
  EXPECT_EQ(at(pixmap, 255, 0), 0xFFFF0000u);
  EXPECT_EQ(at(pixmap, 256, 0), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace lodra::render
