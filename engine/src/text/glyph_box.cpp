#include "text/glyph_box.h"

#include "text/byte_reader.h"
#include "text/harfbuzz.h"

namespace lodra::text {

namespace {

// A table's bytes, kept alive by its blob.
struct Table {
  HbBlob blob;
  ByteReader bytes;
};

Table table(hb_face_t* face, hb_tag_t tag) {
  HbBlob blob(hb_face_reference_table(face, tag));
  unsigned length = 0;
  const char* data = hb_blob_get_data(blob.get(), &length);
  ByteReader bytes({reinterpret_cast<const std::uint8_t*>(data), data ? length : 0});
  return {std::move(blob), bytes};
}

// Where the glyph's data starts and ends in `glyf`, from `loca` in its short or long form.
std::optional<std::pair<std::uint32_t, std::uint32_t>> glyph_range(hb_face_t* face,
                                                                   std::uint32_t glyph) {
  auto head = table(face, HB_TAG('h', 'e', 'a', 'd'));
  auto loca = table(face, HB_TAG('l', 'o', 'c', 'a'));
  auto long_offsets = head.bytes.i16(50);
  if (!long_offsets) return {};
  std::size_t at = std::size_t{glyph};
  if (*long_offsets == 0) {
    auto start = loca.bytes.u16(2 * at);
    auto end = loca.bytes.u16(2 * at + 2);
    if (!start || !end) return {};
    return std::pair{std::uint32_t{*start} * 2, std::uint32_t{*end} * 2};
  }
  auto start = loca.bytes.u32(4 * at);
  auto end = loca.bytes.u32(4 * at + 4);
  if (!start || !end) return {};
  return std::pair{*start, *end};
}

}  // namespace

bool has_glyf_outlines(hb_face_t* face) {
  return table(face, HB_TAG('g', 'l', 'y', 'f')).bytes.size() > 0;
}

std::optional<GlyphBox> glyf_header_box(hb_face_t* face, std::uint32_t glyph) {
  auto range = glyph_range(face, glyph);
  if (!range || range->second <= range->first) return {};
  auto glyf = table(face, HB_TAG('g', 'l', 'y', 'f'));
  std::size_t at = range->first;
  auto min_x = glyf.bytes.i16(at + 2);
  auto min_y = glyf.bytes.i16(at + 4);
  auto max_x = glyf.bytes.i16(at + 6);
  auto max_y = glyf.bytes.i16(at + 8);
  if (!min_x || !min_y || !max_x || !max_y) return {};
  return GlyphBox{*min_x, *min_y, *max_x, *max_y};
}

std::optional<std::int16_t> left_side_bearing(hb_face_t* face, std::uint32_t glyph) {
  auto hhea = table(face, HB_TAG('h', 'h', 'e', 'a'));
  auto hmtx = table(face, HB_TAG('h', 'm', 't', 'x'));
  auto long_metrics = hhea.bytes.u16(34);
  if (!long_metrics) return {};
  std::size_t full = *long_metrics;
  std::size_t at = glyph < full ? 4 * std::size_t{glyph} + 2 : 4 * full + 2 * (glyph - full);
  return hmtx.bytes.i16(at);
}

}  // namespace lodra::text
