#include "text/text_layout.h"

#include <algorithm>

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

// Outlines every run set in `key` into its own path, with the face reached through `handle`:
// extra and system faces are parsed, and outlined, under the guard; a system face's file is
// mapped only meanwhile. A face that cannot be opened leaves its runs' paths empty.
void outline_group(const std::vector<GlyphRun>& runs, const FontKey& key, const FontHandle& handle,
                   double x, double y, std::vector<scene::Path>& paths) {
  auto outline_runs = [&](const Face& face) {
    for (std::size_t i = 0; i < runs.size(); ++i) {
      if (runs[i].key == key) outline_run(runs[i], face, x, y, paths[i]);
    }
  };
  if (const auto* builtin = std::get_if<std::shared_ptr<const BuiltinFace>>(&handle)) {
    outline_runs(*(*builtin)->face);
  } else if (const auto* extra = std::get_if<ExtraFont>(&handle)) {
    guard::guarded([&] {
      if (auto face = Face::parse(*extra->bytes, extra->index)) outline_runs(*face);
    });
  } else {
    std::get<SystemFont>(handle).with_data([&](std::span<const std::uint8_t> bytes,
                                               unsigned number) {
      if (auto face = Face::parse(bytes, number)) outline_runs(*face);
    });
  }
}

}  // namespace

scene::Path TextLayout::outline(double x, double y) const {
  std::vector<scene::Path> paths(runs.size());
  for (std::size_t i = 0; i < runs.size(); ++i) {
    auto first = [&](const GlyphRun& run) { return run.key == runs[i].key; };
    if (std::find_if(runs.begin(), runs.begin() + i, first) != runs.begin() + i) continue;
    outline_group(runs, runs[i].key, runs[i].handle, x, y, paths);
  }
  scene::Path path;
  for (const scene::Path& run_path : paths) path.append(run_path);
  return path;
}

}  // namespace lodra::text
