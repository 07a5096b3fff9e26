// Cutting a line of text into segments of one face. Base characters choose a face; inheriting
// characters (controls, combining marks, skin-tone modifiers, default-ignorable format
// characters) join the segment before them.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "text/font_source.h"
#include "unicode/utf8.h"

namespace lodra::text {

// A stretch [start, end) of the UTF-8 text set in one face. `leading` marks the inheriting
// characters at the very start of the text, which take the requested face.
struct TextSegment {
  FontKey key;
  std::size_t start = 0;
  std::size_t end = 0;
  bool leading = false;
};

bool inherits_face(char32_t c);

// `face_for(c)` gives the key of each base character; `requested` serves leading characters.
template <class FaceFor>
std::vector<TextSegment> cut_segments(std::string_view text, const FontKey& requested,
                                      FaceFor&& face_for) {
  std::vector<TextSegment> segments;
  unicode::Utf8Reader reader(text);
  while (!reader.done()) {
    std::size_t start = reader.position();
    char32_t c = reader.next();
    std::size_t end = reader.position();
    if (inherits_face(c)) {
      if (segments.empty()) {
        segments.push_back({requested, start, end, true});
      } else {
        segments.back().end = end;
      }
      continue;
    }
    FontKey key = face_for(c);
    if (!segments.empty() && !segments.back().leading && segments.back().key == key) {
      segments.back().end = end;
    } else {
      segments.push_back({key, start, end, false});
    }
  }
  return segments;
}

}  // namespace lodra::text
