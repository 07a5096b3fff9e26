#include "text/text_layout.h"

#include "text/guard.h"
#include "text/pen.h"

namespace lodra::text {

namespace {

// Appends outlines to a scene path, mapping font units (y up) to points (y down) around an
// origin.
class PathBuilder final : public Pen {
 public:
  PathBuilder(scene::Path& path, double scale, double x0, double y0)
      : path_(path), scale_(scale), x0_(x0), y0_(y0) {}

  void move_to(float x, float y) override { path_.move_to(px(x), py(y)); }
  void line_to(float x, float y) override { path_.line_to(px(x), py(y)); }
  void quad_to(float cx, float cy, float x, float y) override {
    path_.quad_to(px(cx), py(cy), px(x), py(y));
  }
  void cubic_to(float c1x, float c1y, float c2x, float c2y, float x, float y) override {
    path_.cubic_to(px(c1x), py(c1y), px(c2x), py(c2y), px(x), py(y));
  }
  void close() override { path_.close(); }

 private:
  double px(float x) const { return x0_ + x * scale_; }
  double py(float y) const { return y0_ - y * scale_; }

  scene::Path& path_;
  double scale_;
  double x0_;
  double y0_;
};

void outline_run(const GlyphRun& run, const Face& face, double x, double y, scene::Path& path) {
  for (const PositionedGlyph& glyph : run.glyphs) {
    PathBuilder builder(path, run.scale, x + glyph.x, y + glyph.y);
    face.outline(glyph.glyph, builder);
  }
}

// The extra faces met while outlining, each parsed once (null when it cannot be opened).
class ExtraFaces {
 public:
  const Face* find(std::uint32_t index, const ExtraFont& font) {
    for (const auto& [held, face] : faces_) {
      if (held == index) return face.get();
    }
    auto parsed = guard::guarded([&] { return Face::parse(*font.bytes, font.index); });
    faces_.emplace_back(index, parsed ? std::move(*parsed) : nullptr);
    return faces_.back().second.get();
  }

 private:
  std::vector<std::pair<std::uint32_t, std::unique_ptr<Face>>> faces_;
};

}  // namespace

scene::Path TextLayout::outline(double x, double y) const {
  scene::Path path;
  ExtraFaces extra_faces;
  for (const GlyphRun& run : runs) {
    if (const auto* builtin = std::get_if<std::shared_ptr<const BuiltinFace>>(&run.handle)) {
      outline_run(run, *(*builtin)->face, x, y, path);
      continue;
    }
    const auto& font = std::get<ExtraFont>(run.handle);
    const Face* face = extra_faces.find(std::get<ExtraKey>(run.key).index, font);
    if (face) guard::guarded([&] { outline_run(run, *face, x, y, path); });
  }
  return path;
}

}  // namespace lodra::text
