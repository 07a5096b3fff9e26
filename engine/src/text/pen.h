// Outline pens: a glyph outline is played into a pen as move, line, quadratic, cubic and close
// calls, in font units with y up, unhinted at the default variation location.
#pragma once

#include <hb.h>

#include <cstdint>

namespace lodra::text {

class Pen {
 public:
  virtual ~Pen() = default;
  virtual void move_to(float x, float y) = 0;
  virtual void line_to(float x, float y) = 0;
  virtual void quad_to(float cx, float cy, float x, float y) = 0;
  virtual void cubic_to(float c1x, float c1y, float c2x, float c2y, float x, float y) = 0;
  virtual void close() = 0;
};

// Plays the outline of `glyph` into `pen`; `font` must be at its default scale (font units).
void draw_glyph(hb_font_t* font, std::uint32_t glyph, Pen& pen);

// Counts lines, curves and closes; a move counts nothing.
class SegmentCounter final : public Pen {
 public:
  void move_to(float, float) override {}
  void line_to(float, float) override { ++segments_; }
  void quad_to(float, float, float, float) override { ++segments_; }
  void cubic_to(float, float, float, float, float, float) override { ++segments_; }
  void close() override { ++segments_; }
  int segments() const { return segments_; }

 private:
  int segments_ = 0;
};

// The box of every point received, on-curve and control points alike.
class ControlBounds final : public Pen {
 public:
  void move_to(float x, float y) override { add(x, y); }
  void line_to(float x, float y) override { add(x, y); }
  void quad_to(float cx, float cy, float x, float y) override;
  void cubic_to(float c1x, float c1y, float c2x, float c2y, float x, float y) override;
  void close() override {}

  bool empty() const { return empty_; }
  float min_x() const { return min_x_; }
  float min_y() const { return min_y_; }
  float max_x() const { return max_x_; }
  float max_y() const { return max_y_; }

 private:
  void add(float x, float y);

  bool empty_ = true;
  float min_x_ = 0, min_y_ = 0, max_x_ = 0, max_y_ = 0;
};

}  // namespace lodra::text
