// Test support: scene items written as short text ("stroke M0 0 L10 0 #ddd3c7ff 0.75 butt
// miter"), every number in its shortest exact form, so that tables state whole items exactly.
#pragma once

#include <charconv>
#include <cstdio>
#include <string>
#include <type_traits>
#include <variant>

#include "scene/item.h"

namespace lodra::draw::testing {

inline std::string number(float value) {
  char buffer[32];
  auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

inline std::string point(scene::Point p) { return number(p.x) + " " + number(p.y); }

inline std::string path(const scene::Path& path) {
  std::string out;
  for (const scene::PathVerb& verb : path.verbs()) {
    if (!out.empty()) out += ' ';
    std::visit(
        [&out](const auto& v) {
          using V = std::decay_t<decltype(v)>;
          if constexpr (std::is_same_v<V, scene::MoveTo>) out += "M" + point(v.to);
          if constexpr (std::is_same_v<V, scene::LineTo>) out += "L" + point(v.to);
          if constexpr (std::is_same_v<V, scene::QuadTo>) {
            out += "Q" + point(v.control) + " " + point(v.to);
          }
          if constexpr (std::is_same_v<V, scene::CubicTo>) {
            out += "C" + point(v.control1) + " " + point(v.control2) + " " + point(v.to);
          }
          if constexpr (std::is_same_v<V, scene::Close>) out += "Z";
        },
        verb);
  }
  return out;
}

inline std::string color(Rgba c) {
  char buffer[10];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x%02x", c.r, c.g, c.b, c.a);
  return buffer;
}

inline std::string stroke_style(const scene::StrokeStyle& s) {
  static constexpr const char* kCaps[] = {"butt", "round", "square"};
  static constexpr const char* kJoins[] = {"miter", "round", "bevel"};
  std::string out = color(s.color) + " " + number(s.width);
  if (!s.dash.empty()) {
    out += " dash";
    for (float d : s.dash) out += " " + number(d);
  }
  return out + " " + kCaps[static_cast<int>(s.cap)] + " " + kJoins[static_cast<int>(s.join)];
}

// A text is written as its string, origin and colour; its outline and style are checked apart.
inline std::string describe(const scene::Item& item) {
  return std::visit(
      [](const auto& v) -> std::string {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, scene::Fill>) {
          const Rgba* paint = std::get_if<Rgba>(&v.paint);
          return "fill " + path(v.path) + " " + (paint ? color(*paint) : "gradient") +
                 (v.even_odd ? " even-odd" : "");
        } else if constexpr (std::is_same_v<V, scene::Stroke>) {
          return "stroke " + path(v.path) + " " + stroke_style(v.stroke);
        } else if constexpr (std::is_same_v<V, scene::Markers>) {
          std::string out = "markers " + path(v.shape) + " at";
          for (scene::Point p : v.points) out += " (" + point(p) + ")";
          if (v.stroke) out += " ring " + stroke_style(*v.stroke);
          if (v.fill) out += " fill " + color(*v.fill);
          return out;
        } else if constexpr (std::is_same_v<V, scene::Text>) {
          return "text \"" + v.text + "\" " + point(v.origin) + " " + color(v.color);
        } else {
          std::string out = "group(";
          for (std::size_t i = 0; i < v.items.size(); ++i) {
            out += (i ? "; " : "") + describe(v.items[i]);
          }
          return out + ")" + (v.clip ? " clipped" : "");
        }
      },
      item.kind);
}

}  // namespace lodra::draw::testing
