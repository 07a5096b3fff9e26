#include "render/svg_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "render/svg_format.h"
#include "scene/normalize.h"

namespace lodra::render {

namespace {

using scene::Item;

// Groups standing this deep or deeper are not drawn; this bounds the recursion.
constexpr unsigned kMaxGroupDepth = 255;

struct FontNames {
  std::string_view family;
  std::string_view generic;
};

FontNames font_names(Font font) {
  switch (font) {
    case Font::IbmPlexSans:
      return {"IBM Plex Sans", "sans-serif"};
    case Font::Geist:
      return {"Geist", "sans-serif"};
    case Font::Inter:
      return {"Inter", "sans-serif"};
    case Font::JetBrainsMono:
      return {"JetBrains Mono", "monospace"};
    case Font::SourceSerif4:
      break;
  }
  return {"Source Serif 4", "serif"};
}

void append_id(std::string& out, std::uint64_t id) {
  char buffer[20];
  out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, id).ptr);
}

// ` {name}="{num(value)}"`
void append_attribute(std::string& out, std::string_view name, float value) {
  out += ' ';
  out += name;
  out += "=\"";
  append_num(out, value);
  out += '"';
}

// One document being written: definitions and drawing elements grow separately and meet at the
// end. One id counter numbers gradients, marker shapes and clip paths alike.
class Writer {
 public:
  explicit Writer(SvgText text) : text_(text) {}

  void item(const Item& item, unsigned depth) {
    std::visit([&](const auto& kind) { write(kind, depth); }, item.kind);
  }

  const std::string& defs() const { return defs_; }
  const std::string& body() const { return body_; }

 private:
  void write(const scene::Fill& fill, unsigned) {
    auto path = scene::normalize_path(fill.path);
    if (!path) return;
    attributes_.clear();
    if (!write_paint(fill.paint)) return;
    if (fill.even_odd) attributes_ += " fill-rule=\"evenodd\"";
    write_path_element(*path);
  }

  void write(const scene::Stroke& stroke, unsigned) {
    auto path = scene::normalize_path(stroke.path);
    if (!path) return;
    attributes_.assign(" fill=\"none\"");
    if (!write_stroke(attributes_, stroke.stroke, path->control_length())) return;
    write_path_element(*path);
  }

  void write(const scene::Markers& markers, unsigned) {
    auto shape = scene::normalize_path(markers.shape);
    if (!shape) return;
    attributes_.clear();
    bool filled = markers.fill && markers.fill->a > 0;
    if (filled) {
      write_color(attributes_, "fill", "fill-opacity", *markers.fill);
    } else {
      attributes_ += " fill=\"none\"";
    }
    bool stroked =
        markers.stroke && write_stroke(attributes_, *markers.stroke, shape->control_length());
    auto valid = [](scene::Point p) { return scene::is_valid(p); };
    if ((!filled && !stroked) || std::ranges::none_of(markers.points, valid)) return;

    std::uint64_t id = next_id_++;
    defs_ += "<path id=\"m";
    append_id(defs_, id);
    defs_ += "\" d=\"";
    append_path_data(defs_, *shape);
    defs_ += "\"/>\n";

    body_ += "<g";
    body_ += attributes_;
    body_ += ">\n";
    use_prefix_.assign("<use href=\"#m");
    append_id(use_prefix_, id);
    use_prefix_ += "\" x=\"";
    for (scene::Point p : markers.points) {
      if (!valid(p)) continue;
      body_ += use_prefix_;
      append_num(body_, p.x);
      body_ += "\" y=\"";
      append_num(body_, p.y);
      body_ += "\"/>\n";
    }
    body_ += "</g>\n";
  }

  void write(const scene::Text& text, unsigned) {
    if (text.color.a == 0 || !scene::is_valid(text.origin)) return;
    if (text_ == SvgText::Editable) {
      write_editable_text(text);
      return;
    }
    auto outline = scene::normalize_path(text.outline);
    if (!outline) return;
    attributes_.clear();
    write_color(attributes_, "fill", "fill-opacity", text.color);
    write_path_element(*outline);
  }

  void write(const scene::ItemGroup& group, unsigned depth) {
    if (depth > kMaxGroupDepth) return;
    std::string clip_definition;
    std::string_view opening = "<g>\n";
    std::string clipped_opening;
    if (group.clip) {
      const scene::Rect& r = *group.clip;
      bool finite = std::isfinite(r.x) && std::isfinite(r.y) && std::isfinite(r.width) &&
                    std::isfinite(r.height);
      if (!finite || !(r.width > 0) || !(r.height > 0)) return;
      // The id is used up even when the group turns out empty.
      std::uint64_t id = next_id_++;
      clip_definition = clip_path(id, r);
      clipped_opening = "<g clip-path=\"url(#c";
      append_id(clipped_opening, id);
      clipped_opening += ")\">\n";
      opening = clipped_opening;
    }
    std::size_t defs_mark = defs_.size();
    std::size_t body_mark = body_.size();
    body_ += opening;
    for (const Item& child : group.items) item(child, depth + 1);
    if (body_.size() == body_mark + opening.size()) {
      body_.resize(body_mark);  // an empty group leaves no trace
      defs_.resize(defs_mark);
      return;
    }
    body_ += "</g>\n";
    // The clip comes before whatever the children defined.
    defs_.insert(defs_mark, clip_definition);
  }

  // The fill attributes of a paint; false when the paint shows nothing.
  bool write_paint(const scene::FillPaint& paint) {
    if (const auto* gradient = std::get_if<scene::LinearGradient>(&paint)) {
      auto normalized = scene::normalize_gradient(*gradient);
      if (!normalized) return false;
      return write_paint_normalized(*normalized);
    }
    return write_paint_normalized(paint);
  }

  bool write_paint_normalized(const scene::FillPaint& paint) {
    if (const auto* color = std::get_if<Rgba>(&paint)) {
      if (color->a == 0) return false;
      write_color(attributes_, "fill", "fill-opacity", *color);
      return true;
    }
    std::uint64_t id = next_id_++;
    write_gradient_definition(id, std::get<scene::LinearGradient>(paint));
    attributes_ += " fill=\"url(#g";
    append_id(attributes_, id);
    attributes_ += ")\"";
    return true;
  }

  void write_gradient_definition(std::uint64_t id, const scene::LinearGradient& gradient) {
    defs_ += "<linearGradient id=\"g";
    append_id(defs_, id);
    defs_ += "\" gradientUnits=\"userSpaceOnUse\"";
    append_attribute(defs_, "x1", gradient.start.x);
    append_attribute(defs_, "y1", gradient.start.y);
    append_attribute(defs_, "x2", gradient.end.x);
    append_attribute(defs_, "y2", gradient.end.y);
    defs_ += ">\n";
    for (const scene::GradientStop& stop : gradient.stops) {
      defs_ += "<stop";
      append_attribute(defs_, "offset", stop.offset);
      write_color(defs_, "stop-color", "stop-opacity", stop.color);
      defs_ += "/>\n";
    }
    defs_ += "</linearGradient>\n";
  }

  void write_editable_text(const scene::Text& text) {
    escaped_.clear();
    append_escaped(escaped_, text.text);
    float size = text.style.size;
    if (escaped_.empty() || !(size > 0 && std::isfinite(size))) return;
    FontNames font = font_names(text.style.font);
    body_ += "<text xml:space=\"preserve\"";
    append_attribute(body_, "x", text.origin.x);
    append_attribute(body_, "y", text.origin.y);
    body_ += " font-family=\"'";
    append_escaped(body_, font.family);
    body_ += "', ";
    body_ += font.generic;
    body_ += '"';
    append_attribute(body_, "font-size", size);
    body_ += text.style.weight == text::Weight::Semibold ? " font-weight=\"600\""
                                                         : " font-weight=\"400\"";
    if (text.style.tabular) body_ += " font-variant-numeric=\"tabular-nums\"";
    write_color(body_, "fill", "fill-opacity", text.color);
    body_ += '>';
    body_ += escaped_;
    body_ += "</text>\n";
  }

  // `<path d="{data}"{attributes}/>` with the attributes gathered for the current item.
  void write_path_element(const scene::NormalizedPath& path) {
    body_ += "<path d=\"";
    append_path_data(body_, path);
    body_ += '"';
    body_ += attributes_;
    body_ += "/>\n";
  }

  static std::string clip_path(std::uint64_t id, const scene::Rect& r) {
    std::string out = "<clipPath id=\"c";
    append_id(out, id);
    out += "\"><rect";
    append_attribute(out, "x", r.x);
    append_attribute(out, "y", r.y);
    append_attribute(out, "width", r.width);
    append_attribute(out, "height", r.height);
    out += "/></clipPath>\n";
    return out;
  }

  SvgText text_;
  std::string defs_;
  std::string body_;
  std::uint64_t next_id_ = 0;
  // Scratch buffers reused across items.
  std::string attributes_;
  std::string escaped_;
  std::string use_prefix_;
};

// Page sizes that are not finite or are negative become 0.
float page_size(float size) { return std::isfinite(size) && size >= 0 ? size : 0.0f; }

}  // namespace

std::string render_svg(const scene::Scene& scene, SvgText text) {
  Writer writer(text);
  for (const Item& item : scene.items) writer.item(item, 0);

  float width = page_size(scene.width);
  float height = page_size(scene.height);
  std::string out;
  out.reserve(writer.defs().size() + writer.body().size() + 256);
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
  append_num(out, width);
  out += "pt\" height=\"";
  append_num(out, height);
  out += "pt\" viewBox=\"0 0 ";
  append_num(out, width);
  out += ' ';
  append_num(out, height);
  out += "\">\n<rect";
  append_attribute(out, "width", width);
  append_attribute(out, "height", height);
  write_color(out, "fill", "fill-opacity", scene.background);
  out += "/>\n";
  if (!writer.defs().empty()) {
    out += "<defs>\n";
    out += writer.defs();
    out += "</defs>\n";
  }
  out += writer.body();
  out += "</svg>\n";
  return out;
}

}  // namespace lodra::render
