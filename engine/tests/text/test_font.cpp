#include "text/test_font.h"

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <tuple>

namespace lodra::text::testing {

namespace {

void add_u16(Bytes& out, std::uint32_t value) {
  out.push_back(static_cast<std::uint8_t>(value >> 8));
  out.push_back(static_cast<std::uint8_t>(value));
}

void add_u32(Bytes& out, std::uint32_t value) {
  add_u16(out, value >> 16);
  add_u16(out, value & 0xFFFF);
}

void pad4(Bytes& out) {
  while (out.size() % 4 != 0) out.push_back(0);
}

Bytes head_table(std::uint16_t units_per_em) {
  Bytes t;
  add_u32(t, 0x00010000);  // version
  add_u32(t, 0x00010000);  // font revision
  add_u32(t, 0);           // checksum adjustment
  add_u32(t, 0x5F0F3CF5);  // magic
  add_u16(t, 0);           // flags
  add_u16(t, units_per_em);
  t.resize(t.size() + 16);  // created, modified
  t.resize(t.size() + 8);   // box
  add_u16(t, 0);            // mac style
  add_u16(t, 8);            // lowest readable size
  add_u16(t, 2);            // direction hint
  add_u16(t, 1);            // long loca offsets
  add_u16(t, 0);            // glyph data format
  return t;
}

Bytes hhea_table(std::uint16_t glyph_count) {
  Bytes t;
  add_u32(t, 0x00010000);
  add_u16(t, 800);                     // ascender
  add_u16(t, static_cast<std::uint16_t>(-200));  // descender
  t.resize(34);
  add_u16(t, glyph_count);  // long horizontal metrics
  return t;
}

Bytes maxp_table(std::uint16_t glyph_count) {
  Bytes t;
  add_u32(t, 0x00010000);
  add_u16(t, glyph_count);
  t.resize(32);
  return t;
}

Bytes rectangle_glyph(const TestGlyph& g) {
  Bytes t;
  add_u16(t, 1);  // one contour
  add_u16(t, g.min_x), add_u16(t, g.min_y), add_u16(t, g.max_x), add_u16(t, g.max_y);
  add_u16(t, 3);  // last point of the contour
  add_u16(t, 0);  // no instructions
  for (int i = 0; i < 4; ++i) t.push_back(0x01);  // on curve, 16-bit deltas
  std::array<int, 4> xs = {g.min_x, g.min_x, g.max_x, g.max_x};
  std::array<int, 4> ys = {g.min_y, g.max_y, g.max_y, g.min_y};
  for (const auto& coordinates : {xs, ys}) {
    for (int i = 0; i < 4; ++i) {
      add_u16(t, static_cast<std::uint16_t>(coordinates[i] - (i == 0 ? 0 : coordinates[i - 1])));
    }
  }
  pad4(t);
  return t;
}

}  // namespace

void put_u16(Bytes& bytes, std::size_t at, std::uint16_t value) {
  bytes.at(at) = static_cast<std::uint8_t>(value >> 8);
  bytes.at(at + 1) = static_cast<std::uint8_t>(value);
}

void put_u32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  put_u16(bytes, at, static_cast<std::uint16_t>(value >> 16));
  put_u16(bytes, at + 2, static_cast<std::uint16_t>(value));
}

Bytes format2_sample() {
  Bytes t(6 + 512 + 16);
  put_u16(t, 0, 2);
  put_u16(t, 6 + 2 * 0x81, 8);
  std::size_t headers = 6 + 512;
  std::size_t array0 = headers + 16;
  std::size_t array1 = array0 + 2 * 0x60;
  put_u16(t, headers + 0, 0x20);
  put_u16(t, headers + 2, 0x60);
  put_u16(t, headers + 6, static_cast<std::uint16_t>(array0 - (headers + 6)));
  put_u16(t, headers + 8, 0x40);
  put_u16(t, headers + 10, 2);
  put_u16(t, headers + 12, 5);
  put_u16(t, headers + 14, static_cast<std::uint16_t>(array1 - (headers + 14)));
  t.resize(array1 + 4);
  put_u16(t, array0 + 2 * (0x41 - 0x20), 7);
  put_u16(t, array1, 10);
  return t;
}

Bytes format0(const std::vector<std::pair<char32_t, std::uint16_t>>& map) {
  Bytes t;
  add_u16(t, 0), add_u16(t, 6 + 256), add_u16(t, 0);
  t.resize(6 + 256);
  for (auto [c, glyph] : map) t.at(6 + c) = static_cast<std::uint8_t>(glyph);
  return t;
}

// One segment per mapping, each with an explicit glyph id array entry, then the terminator.
Bytes format4(const std::vector<std::pair<char32_t, std::uint16_t>>& map) {
  auto sorted = map;
  std::sort(sorted.begin(), sorted.end());
  std::size_t segments = sorted.size() + 1;
  Bytes t;
  add_u16(t, 4), add_u16(t, 0), add_u16(t, 0);
  add_u16(t, static_cast<std::uint16_t>(2 * segments));
  add_u16(t, 0), add_u16(t, 0), add_u16(t, 0);
  for (auto [c, glyph] : sorted) add_u16(t, c);
  add_u16(t, 0xFFFF);
  add_u16(t, 0);  // reserved
  for (auto [c, glyph] : sorted) add_u16(t, c);
  add_u16(t, 0xFFFF);
  for (std::size_t i = 0; i < segments; ++i) add_u16(t, i + 1 == segments ? 1 : 0);  // deltas
  // Range offset i leads to glyph id array entry i, 2 × segments bytes further on.
  for (std::size_t i = 0; i + 1 < segments; ++i) {
    add_u16(t, static_cast<std::uint16_t>(2 * segments));
  }
  add_u16(t, 0);
  for (auto [c, glyph] : sorted) add_u16(t, glyph);
  put_u16(t, 2, static_cast<std::uint16_t>(t.size()));
  return t;
}

Bytes format6(std::uint16_t first, const std::vector<std::uint16_t>& glyphs) {
  Bytes t;
  add_u16(t, 6), add_u16(t, static_cast<std::uint16_t>(10 + 2 * glyphs.size())), add_u16(t, 0);
  add_u16(t, first), add_u16(t, static_cast<std::uint16_t>(glyphs.size()));
  for (auto glyph : glyphs) add_u16(t, glyph);
  return t;
}

Bytes format10(std::uint32_t first, const std::vector<std::uint16_t>& glyphs) {
  Bytes t;
  add_u16(t, 10), add_u16(t, 0);
  add_u32(t, static_cast<std::uint32_t>(20 + 2 * glyphs.size())), add_u32(t, 0);
  add_u32(t, first), add_u32(t, static_cast<std::uint32_t>(glyphs.size()));
  for (auto glyph : glyphs) add_u16(t, glyph);
  return t;
}

Bytes format12(const std::vector<std::tuple<char32_t, char32_t, std::uint32_t>>& groups,
               std::uint16_t format) {
  Bytes t;
  add_u16(t, format), add_u16(t, 0);
  add_u32(t, static_cast<std::uint32_t>(16 + 12 * groups.size())), add_u32(t, 0);
  add_u32(t, static_cast<std::uint32_t>(groups.size()));
  for (auto [first, last, glyph] : groups) add_u32(t, first), add_u32(t, last), add_u32(t, glyph);
  return t;
}

Bytes cmap_table(const std::vector<CmapRecord>& records) {
  Bytes t;
  add_u16(t, 0), add_u16(t, static_cast<std::uint16_t>(records.size()));
  std::size_t offset = 4 + 8 * records.size();
  for (const auto& r : records) {
    add_u16(t, r.platform), add_u16(t, r.encoding), add_u32(t, static_cast<std::uint32_t>(offset));
    offset += r.subtable.size();
  }
  for (const auto& r : records) t.insert(t.end(), r.subtable.begin(), r.subtable.end());
  return t;
}

Bytes build_font(const std::vector<TestGlyph>& glyphs, const Bytes& cmap,
                 std::uint16_t units_per_em) {
  std::vector<TestGlyph> all = {TestGlyph{.advance = 500, .empty = true}};
  all.insert(all.end(), glyphs.begin(), glyphs.end());
  auto count = static_cast<std::uint16_t>(all.size());

  Bytes glyf, loca, hmtx;
  for (const auto& g : all) {
    add_u32(loca, static_cast<std::uint32_t>(glyf.size()));
    if (!g.empty) {
      Bytes data = rectangle_glyph(g);
      glyf.insert(glyf.end(), data.begin(), data.end());
    }
    add_u16(hmtx, g.advance), add_u16(hmtx, static_cast<std::uint16_t>(g.empty ? 0 : g.min_x));
  }
  add_u32(loca, static_cast<std::uint32_t>(glyf.size()));

  // Tables in tag order, as the directory wants them.
  std::map<std::string, Bytes> tables = {
      {"cmap", cmap},          {"glyf", glyf},
      {"head", head_table(units_per_em)}, {"hhea", hhea_table(count)},
      {"hmtx", hmtx},          {"loca", loca},
      {"maxp", maxp_table(count)},
  };
  Bytes font;
  add_u32(font, 0x00010000);
  add_u16(font, static_cast<std::uint16_t>(tables.size()));
  add_u16(font, 64), add_u16(font, 2), add_u16(font, 48);  // search hints for 7 tables
  std::size_t offset = 12 + 16 * tables.size();
  for (const auto& [tag, data] : tables) {
    for (char ch : tag) font.push_back(static_cast<std::uint8_t>(ch));
    add_u32(font, 0);  // checksum
    add_u32(font, static_cast<std::uint32_t>(offset));
    add_u32(font, static_cast<std::uint32_t>(data.size()));
    offset += (data.size() + 3) / 4 * 4;
  }
  for (const auto& [tag, data] : tables) {
    font.insert(font.end(), data.begin(), data.end());
    pad4(font);
  }
  return font;
}

}  // namespace lodra::text::testing
