// The text pieces of an SVG document: numbers, colours, escaped text, stroke attributes and path
// data. Each appends to a growing buffer.
#pragma once

#include <string>
#include <string_view>

#include "color.h"
#include "scene/normalize.h"
#include "scene/style.h"

namespace lodra::render {

// Three decimals, correctly rounded with ties to even, then trailing zeros and a trailing point
// removed; "-0" is written "0". 12.5 is "12.5", 0.0004 is "0", 1234.56789 is "1234.568".
void append_num(std::string& out, float value);

// Text content: markup characters become entities, carriage return "&#13;", other control
// characters and the noncharacters U+FFFE and U+FFFF are dropped, malformed UTF-8 reads U+FFFD.
void append_escaped(std::string& out, std::string_view utf8);

// ` {name}="#RRGGBB"`, and ` {opacity_name}="{alpha / 255}"` when the colour is not opaque.
void write_color(std::string& out, std::string_view name, std::string_view opacity_name,
                 Rgba color);

// The stroke attributes of a line whose dashes are judged against `control_length`. Writes
// nothing and reports false when the stroke is invisible.
bool write_stroke(std::string& out, const scene::StrokeStyle& style, float control_length);

// "M10 20 L30 20 L30 40 Z M0 0 C1 2 3 4 5 6": subpaths joined by one space.
void append_path_data(std::string& out, const scene::NormalizedPath& path);

}  // namespace lodra::render
