#include "render/svg_writer.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "scene/path_text.h"

namespace lodra::render {
namespace {

using scene::Fill, scene::Stroke, scene::Markers, scene::Text, scene::ItemGroup, scene::Item;
using scene::LinearGradient, scene::LineCap, scene::LineJoin, scene::Rect, scene::StrokeStyle;
using scene::testing::path_of;

const float kNan = std::numeric_limits<float>::quiet_NaN();
const Rgba kRed{255, 0, 0}, kBlue{0, 0, 255}, kClear{0, 0, 0, 0};
const StrokeStyle kBlackLine{{}, {0, 0, 0}, 2, LineCap::Round, LineJoin::Round};

// The page every case draws on: its header, then the case's text, then the closing tag.
const char* const kHeader =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100pt\" height=\"50pt\""
    " viewBox=\"0 0 100 50\">\n"
    "<rect width=\"100\" height=\"50\" fill=\"#FFFFFF\"/>\n";

std::string page(std::vector<Item> items, SvgText mode) {
  scene::Scene scene(100, 50, {255, 255, 255});
  scene.items = std::move(items);
  return render_svg(scene, mode);
}

template <class... Kinds>
std::vector<Item> items(Kinds... kinds) {
  std::vector<Item> list;
  (list.push_back(Item{std::move(kinds)}), ...);
  return list;
}

Fill square(scene::FillPaint paint, bool even_odd = false) {
  return Fill{path_of("M0 0 L10 0 L10 10 Z"), std::move(paint), even_odd};
}
Fill gradient(std::vector<scene::GradientStop> stops, scene::Point end = {10, 0}) {
  return square(LinearGradient{std::move(stops), {0, 0}, end});
}
Markers dots(std::vector<scene::Point> points, std::optional<StrokeStyle> stroke,
             std::optional<Rgba> fill) {
  return Markers{path_of("M-1 -1 L1 -1 L1 1 Z"), std::move(points), std::move(stroke), fill};
}
Text label(std::string text, scene::Point origin = {5, 20}, Rgba color = {0x33, 0x33, 0x33},
           scene::TextStyle style = {12, Font::Inter, text::Weight::Regular, false}) {
  return Text{std::move(text), path_of("M5 20 L9 12 L13 20 Z"), style, origin, color, 8};
}
ItemGroup group(std::vector<Item> children, std::optional<Rect> clip = {}) {
  return ItemGroup(std::move(children), clip);
}

TEST(SvgWriter, EmptySceneIsThreeLines) {
  struct Case {
    scene::Scene scene;
    const char* document;
  } cases[] = {
      {{432, 288, {255, 255, 255}},
       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"432pt\" height=\"288pt\""
       " viewBox=\"0 0 432 288\">\n"
       "<rect width=\"432\" height=\"288\" fill=\"#FFFFFF\"/>\n</svg>\n"},
      {{10.5, 20, {0x12, 0xAB, 0xEF, 0}},
       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10.5pt\" height=\"20pt\""
       " viewBox=\"0 0 10.5 20\">\n"
       "<rect width=\"10.5\" height=\"20\" fill=\"#12ABEF\" fill-opacity=\"0\"/>\n</svg>\n"},
      {{kNan, -3, {0, 0, 0}},
       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"0pt\" height=\"0pt\""
       " viewBox=\"0 0 0 0\">\n<rect width=\"0\" height=\"0\" fill=\"#000000\"/>\n</svg>\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(render_svg(c.scene, SvgText::Outlines), c.document);
    EXPECT_EQ(render_svg(c.scene, SvgText::Editable), c.document);
  }
}

TEST(SvgWriter, WritesEachItemKind) {
  const auto E = SvgText::Editable, O = SvgText::Outlines;
  const scene::TextStyle semibold_tabular{9.5f, Font::JetBrainsMono, text::Weight::Semibold, true};
  struct Case {
    const char* name;
    std::vector<Item> items;
    SvgText mode;
    const char* expected;  // between the page header and "</svg>"
  } cases[] = {
      // Fills.
      {"solid fill", items(square(kRed)), O,
       "<path d=\"M0 0 L10 0 L10 10 Z\" fill=\"#FF0000\"/>\n"},
      {"translucent even-odd fill", items(square(Rgba{0, 0, 255, 51}, true)), O,
       "<path d=\"M0 0 L10 0 L10 10 Z\" fill=\"#0000FF\" fill-opacity=\"0.2\""
       " fill-rule=\"evenodd\"/>\n"},
      {"transparent fill", items(square(kClear)), O, ""},
      {"fill of invalid geometry", items(Fill{path_of("M2e6 0 L2e6 5 L2e6 9 Z"), kRed}), O, ""},
      {"gradient fill", items(gradient({{1, kBlue}, {0.25f, Rgba{255, 0, 0, 0}}})), O,
       "<defs>\n"
       "<linearGradient id=\"g0\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"0\" x2=\"10\""
       " y2=\"0\">\n"
       "<stop offset=\"0.25\" stop-color=\"#FF0000\" stop-opacity=\"0\"/>\n"
       "<stop offset=\"1\" stop-color=\"#0000FF\"/>\n"
       "</linearGradient>\n"
       "</defs>\n"
       "<path d=\"M0 0 L10 0 L10 10 Z\" fill=\"url(#g0)\"/>\n"},
      {"gradient with coincident ends", items(gradient({{1, kBlue}, {0, kRed}}, {0, 0})), O,
       "<path d=\"M0 0 L10 0 L10 10 Z\" fill=\"#0000FF\"/>\n"},
      {"gradient of one stop", items(gradient({{0.5f, kRed}})), O,
       "<path d=\"M0 0 L10 0 L10 10 Z\" fill=\"#FF0000\"/>\n"},
      {"gradient reducing to a transparent colour",
       items(gradient({{1, kClear}, {0, kRed}}, {0, 0})), O, ""},
      {"transparent gradient", items(gradient({{0, kClear}, {1, kClear}})), O, ""},
      // Strokes.
      {"stroke", items(Stroke{path_of("M0 0 L10 0"), kBlackLine}), O,
       "<path d=\"M0 0 L10 0\" fill=\"none\" stroke=\"#000000\" stroke-width=\"2\""
       " stroke-linecap=\"round\" stroke-linejoin=\"round\"/>\n"},
      {"dashed stroke", items(Stroke{path_of("M0 0 L30 0"), {{4}, kRed, 1}}), O,
       "<path d=\"M0 0 L30 0\" fill=\"none\" stroke=\"#FF0000\" stroke-width=\"1\""
       " stroke-dasharray=\"4 4\"/>\n"},
      {"dash repeating too often", items(Stroke{path_of("M0 0 L30000 0"), {{0.1f, 0.1f}, kRed, 1}}),
       O, "<path d=\"M0 0 L30000 0\" fill=\"none\" stroke=\"#FF0000\" stroke-width=\"1\"/>\n"},
      {"invisible stroke", items(Stroke{path_of("M0 0 L10 0"), {{}, kRed, 0}}), O, ""},
      {"stroke split around an invalid point",
       items(Stroke{path_of("L0 0 L5 5 L2e6 5 L6 6 L7 7"), {{}, kRed, 1}}), O,
       "<path d=\"M0 0 L5 5 M6 6 L7 7\" fill=\"none\" stroke=\"#FF0000\" stroke-width=\"1\"/>\n"},
      // Markers.
      {"filled and stroked markers",
       items(dots({{1, 2}, {kNan, 3}, {4.5f, 6}}, kBlackLine, kRed)), O,
       "<defs>\n<path id=\"m0\" d=\"M-1 -1 L1 -1 L1 1 Z\"/>\n</defs>\n"
       "<g fill=\"#FF0000\" stroke=\"#000000\" stroke-width=\"2\" stroke-linecap=\"round\""
       " stroke-linejoin=\"round\">\n"
       "<use href=\"#m0\" x=\"1\" y=\"2\"/>\n<use href=\"#m0\" x=\"4.5\" y=\"6\"/>\n</g>\n"},
      {"markers with a transparent fill", items(dots({{1, 2}}, kBlackLine, kClear)), O,
       "<defs>\n<path id=\"m0\" d=\"M-1 -1 L1 -1 L1 1 Z\"/>\n</defs>\n"
       "<g fill=\"none\" stroke=\"#000000\" stroke-width=\"2\" stroke-linecap=\"round\""
       " stroke-linejoin=\"round\">\n<use href=\"#m0\" x=\"1\" y=\"2\"/>\n</g>\n"},
      {"markers without paint", items(dots({{1, 2}}, StrokeStyle{{}, kRed, 0}, std::nullopt)), O,
       ""},
      {"markers without valid points", items(dots({{kNan, 1}, {2e6f, 0}}, {}, kRed)), O, ""},
      {"markers without points", items(dots({}, {}, kRed)), O, ""},
      // Text.
      {"text as outline", items(label("Hi")), O,
       "<path d=\"M5 20 L9 12 L13 20 Z\" fill=\"#333333\"/>\n"},
      {"editable text", items(label("a<b & 'c'")), E,
       "<text xml:space=\"preserve\" x=\"5\" y=\"20\" font-family=\"'Inter', sans-serif\""
       " font-size=\"12\" font-weight=\"400\" fill=\"#333333\">"
       "a&lt;b &amp; &apos;c&apos;</text>\n"},
      {"editable semibold tabular text",
       items(label("12", {1, 2}, {0, 0, 0, 128}, semibold_tabular)), E,
       "<text xml:space=\"preserve\" x=\"1\" y=\"2\" font-family=\"'JetBrains Mono', monospace\""
       " font-size=\"9.5\" font-weight=\"600\" font-variant-numeric=\"tabular-nums\""
       " fill=\"#000000\" fill-opacity=\"0.502\">12</text>\n"},
      {"text of control characters", items(label("\x01\x02")), E, ""},
      {"editable text of size 0", items(label("a", {5, 20}, kRed, {0, Font::Inter})), E, ""},
      {"transparent text", items(label("a", {5, 20}, kClear)), E, ""},
      {"transparent outline", items(label("a", {5, 20}, kClear)), O, ""},
      {"text far off the page", items(label("a", {2e6f, 20})), E, ""},
      {"outline of text far off the page", items(label("a", {2e6f, 20})), O, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(page(c.items, c.mode), std::string(kHeader) + c.expected + "</svg>\n") << c.name;
  }
}

TEST(SvgWriter, FamiliesOfEveryFont) {
  struct Case {
    Font font;
    const char* family;
  } cases[] = {
      {Font::SourceSerif4, "'Source Serif 4', serif"},
      {Font::IbmPlexSans, "'IBM Plex Sans', sans-serif"},
      {Font::Geist, "'Geist', sans-serif"},
      {Font::Inter, "'Inter', sans-serif"},
      {Font::JetBrainsMono, "'JetBrains Mono', monospace"},
  };
  for (const auto& c : cases) {
    std::string svg = page(items(label("a", {5, 20}, kRed, {12, c.font})), SvgText::Editable);
    EXPECT_NE(svg.find(std::string("font-family=\"") + c.family + "\""), std::string::npos);
  }
}

TEST(SvgWriter, GroupsClipAndNumberDefinitionsInSceneOrder) {
  const Rect clip{1, 2, 30, 40.5f};
  const char* const clip0 =
      "<clipPath id=\"c0\"><rect x=\"1\" y=\"2\" width=\"30\" height=\"40.5\"/></clipPath>\n";
  const char* const filled = "<path d=\"M0 0 L10 0 L10 10 Z\" fill=\"#FF0000\"/>\n";
  auto gradient_def = [](int id) {
    return "<linearGradient id=\"g" + std::to_string(id) +
           "\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"0\" x2=\"10\" y2=\"0\">\n"
           "<stop offset=\"0\" stop-color=\"#FF0000\"/>\n<stop offset=\"1\" "
           "stop-color=\"#0000FF\"/>\n</linearGradient>\n";
  };
  auto gradient_fill = [](int id) {
    return "<path d=\"M0 0 L10 0 L10 10 Z\" fill=\"url(#g" + std::to_string(id) + ")\"/>\n";
  };
  auto red_blue = [] { return gradient({{0, kRed}, {1, kBlue}}); };
  struct Case {
    const char* name;
    std::vector<Item> items;
    std::string expected;
  } cases[] = {
      {"ids shared by gradients and markers",
       items(red_blue(), red_blue(), dots({{1, 2}}, {}, kRed)),
       "<defs>\n" + gradient_def(0) + gradient_def(1) +
           "<path id=\"m2\" d=\"M-1 -1 L1 -1 L1 1 Z\"/>\n</defs>\n" + gradient_fill(0) +
           gradient_fill(1) + "<g fill=\"#FF0000\">\n<use href=\"#m2\" x=\"1\" y=\"2\"/>\n</g>\n"},
      {"clipped group", items(group(items(square(kRed)), clip)),
       "<defs>\n" + std::string(clip0) + "</defs>\n<g clip-path=\"url(#c0)\">\n" + filled +
           "</g>\n"},
      {"group without clip", items(group(items(square(kRed)))),
       "<g>\n" + std::string(filled) + "</g>\n"},
      {"clip defined before the children's definitions",
       items(group(items(group(items(red_blue()), clip)), clip)),
       "<defs>\n" + std::string(clip0) +
           "<clipPath id=\"c1\"><rect x=\"1\" y=\"2\" width=\"30\" height=\"40.5\"/></clipPath>\n" +
           gradient_def(2) + "</defs>\n<g clip-path=\"url(#c0)\">\n<g clip-path=\"url(#c1)\">\n" +
           gradient_fill(2) + "</g>\n</g>\n"},
      {"empty clipped group consumes its id",
       items(group(items(square(kClear), group(items(label("a", {5, 20}, kClear)))), clip),
             red_blue()),
       "<defs>\n" + gradient_def(1) + "</defs>\n" + gradient_fill(1)},
      {"invisible children leave no group", items(group(items(square(kClear)))), ""},
      {"zero-width clip draws nothing and takes no id",
       items(group(items(square(kRed)), Rect{0, 0, 0, 10}), red_blue()),
       "<defs>\n" + gradient_def(0) + "</defs>\n" + gradient_fill(0)},
      {"non-finite clip", items(group(items(square(kRed)), Rect{kNan, 0, 5, 10})), ""},
      {"negative clip height", items(group(items(square(kRed)), Rect{0, 0, 5, -1})), ""},
  };
  for (auto& c : cases) {
    EXPECT_EQ(page(std::move(c.items), SvgText::Outlines), kHeader + c.expected + "</svg>\n")
        << c.name;
  }
}

TEST(SvgWriter, GroupsDeeperThanTheLimitAreNotDrawn) {
  // 300 nested groups, each holding a visible fill and then the next group.
  Item nested{ItemGroup()};
  for (int level = 0; level < 300; ++level) {
    nested = Item{group(items(square(kRed), std::move(std::get<ItemGroup>(nested.kind))))};
  }
  scene::Scene scene(100, 50, {255, 255, 255});
  scene.items.push_back(std::move(nested));
  std::string svg = render_svg(scene, SvgText::Outlines);
  auto count = [&svg](std::string_view needle) {
    std::size_t n = 0;
    for (auto at = svg.find(needle); at != std::string::npos; at = svg.find(needle, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count("<path"), 256u);
  EXPECT_EQ(count("<g>"), 256u);
  EXPECT_EQ(count("</g>"), 256u);
}

}  // namespace
}  // namespace lodra::render
