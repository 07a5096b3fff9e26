#include "render/png_raster.h"

#include <charconv>
#include <cmath>
#include <string_view>

#include "render/canvas.h"
#include "render/png_encoder.h"

namespace lodra::render {

namespace {

constexpr std::string_view kContext = "Figure.to_png()";

std::unexpected<Error> size_error(std::string problem) {
  return fail(ErrorKind::Style, kContext, {}, {},
              cat(problem, "; use a smaller figure size or a lower dpi."));
}

// A whole number held in a double, written as a plain integer however large.
std::string whole(double value) {
  char buffer[400];
  auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0).ptr;
  return std::string(buffer, end);
}

struct PixelSize {
  std::uint32_t width;
  std::uint32_t height;
};

Result<PixelSize> pixel_size(const scene::Scene& scene, std::int64_t dpi) {
  if (!std::isfinite(scene.width) || !std::isfinite(scene.height)) {
    return fail(ErrorKind::Style, kContext, {}, {},
                "the figure size is not finite; use a finite width and height.");
  }
  auto pixels = [dpi](float points) {
    return std::max(std::round(static_cast<double>(dpi) * (static_cast<double>(points) / 72.0)), 1.0);
  };
  const double w = pixels(scene.width), h = pixels(scene.height);
  if (w > kMaxImageSide || h > kMaxImageSide) {
    return size_error(cat("the image would be ", whole(w), " by ", whole(h), " pixels, over ",
                          kMaxImageSide, " on one side"));
  }
  const auto size = PixelSize{static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(h)};
  const std::uint64_t count = std::uint64_t{size.width} * size.height;
  if (count > kMaxImagePixels) {
    return size_error(cat("the image would have ", count, " pixels, over ", kMaxImagePixels));
  }
  return size;
}

}  // namespace

Status check_dpi(std::int64_t dpi) {
  if (dpi >= kMinDpi && dpi <= kMaxDpi) return {};
  return fail(ErrorKind::Style, kContext, "dpi", {},
              cat("dpi ", dpi, " is out of range; use a value from ", kMinDpi, " to ", kMaxDpi, "."));
}

Result<Pixmap> rasterize(const scene::Scene& scene, std::int64_t dpi, unsigned threads) {
  LODRA_TRY(check_dpi(dpi));
  LODRA_TRY_ASSIGN(PixelSize size, pixel_size(scene, dpi));
  std::optional<Pixmap> pixmap = Pixmap::allocate(size.width, size.height);
  if (!pixmap) return size_error("the image cannot be allocated");
  pixmap->fill(premultiplied(scene.background));

  const float scale = static_cast<float>(static_cast<double>(dpi) / 72.0);
  std::optional<Canvas> canvas = Canvas::open(*pixmap, scale, threads);
  if (!canvas) return size_error("the image cannot be allocated");
  canvas->items(scene.items, std::nullopt, 0);
  // The rasterizer only fails for want of memory, and then stops drawing: the picture would
  // be incomplete.
  if (!canvas->healthy()) return size_error("the image cannot be allocated");
  canvas.reset();
  return std::move(*pixmap);
}

Result<std::vector<std::uint8_t>> render_png(const scene::Scene& scene, std::int64_t dpi) {
  LODRA_TRY_ASSIGN(Pixmap pixmap, rasterize(scene, dpi));
  return encode(std::move(pixmap), dpi);
}

}  // namespace lodra::render
