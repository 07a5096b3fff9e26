// Test support: builds a path from compact path text such as "M0 0 L10 0 Q1 2 3 4 Z", so that
// test tables read like the output they expect. Numbers go through strtod ("nan", "inf", "2e6").
#pragma once

#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "scene/path.h"

namespace lodra::scene::testing {

inline Path path_of(const std::string& text) {
  std::string spaced;  // commands stand apart from their first number
  for (char c : text) {
    spaced += c;
    if (std::string_view("MLQCZ").find(c) != std::string_view::npos) spaced += ' ';
  }
  std::istringstream in(spaced);
  std::string token;
  Path path;
  auto number = [&in] {
    std::string word;
    in >> word;
    return std::strtod(word.c_str(), nullptr);
  };
  while (in >> token) {
    if (token == "M") {
      double x = number(), y = number();
      path.move_to(x, y);
    } else if (token == "L") {
      double x = number(), y = number();
      path.line_to(x, y);
    } else if (token == "Q") {
      double cx = number(), cy = number(), x = number(), y = number();
      path.quad_to(cx, cy, x, y);
    } else if (token == "C") {
      double c1x = number(), c1y = number(), c2x = number(), c2y = number();
      double x = number(), y = number();
      path.cubic_to(c1x, c1y, c2x, c2y, x, y);
    } else if (token == "Z") {
      path.close();
    }
  }
  return path;
}

}  // namespace lodra::scene::testing
