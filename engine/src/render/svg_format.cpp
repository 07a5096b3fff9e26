#include "render/svg_format.h"

#include <charconv>
#include <cmath>
#include <type_traits>

#include "unicode/utf8.h"

namespace lodra::render {

namespace {

void append_point(std::string& out, scene::Point p) {
  append_num(out, p.x);
  out += ' ';
  append_num(out, p.y);
}

// The value in thousandths, rounded to nearest with ties to even. Exact: a float's 24-bit
// significand times 1000 fits a double, and so does every step below.
std::int64_t round_thousandths(double scaled) {
  double below = std::floor(scaled);
  double rest = scaled - below;
  auto result = static_cast<std::int64_t>(below);
  if (rest > 0.5 || (rest == 0.5 && result % 2 != 0)) ++result;
  return result;
}

// Large values take the general path; their digits are all before the point anyway.
void append_num_general(std::string& out, float value) {
  char buffer[64];  // the largest float takes 39 digits before the point
  char* end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3).ptr;
  std::string_view text(buffer, end);
  if (text.find('.') != std::string_view::npos) {
    text.remove_suffix(text.size() - 1 - text.find_last_not_of('0'));
    if (text.ends_with('.')) text.remove_suffix(1);
  }
  out += text == "-0" ? "0" : text;
}

}  // namespace

void append_num(std::string& out, float value) {
  double scaled = static_cast<double>(value) * 1000.0;
  if (!(std::fabs(scaled) < 1e15)) {
    append_num_general(out, value);
    return;
  }
  std::int64_t thousandths = round_thousandths(scaled);
  if (thousandths < 0) out += '-';  // a value rounding to zero is written "0", never "-0"
  std::uint64_t magnitude = thousandths < 0 ? 0 - static_cast<std::uint64_t>(thousandths)
                                            : static_cast<std::uint64_t>(thousandths);
  char buffer[24];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, magnitude / 1000).ptr);
  auto fraction = static_cast<unsigned>(magnitude % 1000);
  if (fraction == 0) return;
  char digits[4] = {'.'};
  for (int i = 3; i > 0; --i, fraction /= 10) digits[i] = static_cast<char>('0' + fraction % 10);
  std::size_t length = 4;
  while (digits[length - 1] == '0') --length;
  out.append(digits, length);
}

void append_escaped(std::string& out, std::string_view utf8) {
  for (unicode::Utf8Reader reader(utf8); !reader.done();) {
    char32_t c = reader.next();
    switch (c) {
      case U'\t':
      case U'\n':
        out += static_cast<char>(c);
        break;
      case U'\r':
        out += "&#13;";
        break;
      case U'"':
        out += "&quot;";
        break;
      case U'&':
        out += "&amp;";
        break;
      case U'\'':
        out += "&apos;";
        break;
      case U'<':
        out += "&lt;";
        break;
      case U'>':
        out += "&gt;";
        break;
      default:
        if (c >= 0x20 && c != 0xFFFE && c != 0xFFFF) unicode::append_utf8(out, c);
    }
  }
}

void write_color(std::string& out, std::string_view name, std::string_view opacity_name,
                 Rgba color) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  out += ' ';
  out += name;
  out += "=\"#";
  for (std::uint8_t channel : {color.r, color.g, color.b}) {
    out += kHex[channel >> 4];
    out += kHex[channel & 15];
  }
  out += '"';
  if (color.a == 255) return;
  out += ' ';
  out += opacity_name;
  out += "=\"";
  append_num(out, static_cast<float>(color.a) / 255.0f);
  out += '"';
}

bool write_stroke(std::string& out, const scene::StrokeStyle& style, float control_length) {
  if (style.color.a == 0 || !(style.width > 0 && std::isfinite(style.width))) return false;
  write_color(out, "stroke", "stroke-opacity", style.color);
  out += " stroke-width=\"";
  append_num(out, style.width);
  out += '"';
  switch (style.cap) {
    case scene::LineCap::Butt:
      break;
    case scene::LineCap::Round:
      out += " stroke-linecap=\"round\"";
      break;
    case scene::LineCap::Square:
      out += " stroke-linecap=\"square\"";
      break;
  }
  switch (style.join) {
    case scene::LineJoin::Miter:
      break;
    case scene::LineJoin::Round:
      out += " stroke-linejoin=\"round\"";
      break;
    case scene::LineJoin::Bevel:
      out += " stroke-linejoin=\"bevel\"";
      break;
  }
  if (auto dash = scene::normalize_dash(style.dash, control_length)) {
    out += " stroke-dasharray=\"";
    for (std::size_t i = 0; i < dash->size(); ++i) {
      if (i > 0) out += ' ';
      append_num(out, (*dash)[i]);
    }
    out += '"';
  }
  return true;
}

void append_path_data(std::string& out, const scene::NormalizedPath& path) {
  bool first = true;
  for (const scene::Subpath& subpath : path.subpaths()) {
    out += first ? "M" : " M";
    first = false;
    append_point(out, subpath.start);
    for (const scene::PathSegment& segment : path.segments(subpath)) {
      std::visit(
          [&out](const auto& s) {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, scene::Line>) out += " L";
            if constexpr (std::is_same_v<S, scene::Quad>) {
              out += " Q";
              append_point(out, s.control);
              out += ' ';
            }
            if constexpr (std::is_same_v<S, scene::Cubic>) {
              out += " C";
              append_point(out, s.control1);
              out += ' ';
              append_point(out, s.control2);
              out += ' ';
            }
            append_point(out, s.to);
          },
          segment);
    }
    if (subpath.closed) out += " Z";
  }
}

}  // namespace lodra::render
