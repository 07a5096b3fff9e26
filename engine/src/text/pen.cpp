#include "text/pen.h"

#include <algorithm>

namespace lodra::text {

namespace {

Pen& pen_of(void* draw_data) { return *static_cast<Pen*>(draw_data); }

void on_move_to(hb_draw_funcs_t*, void* pen, hb_draw_state_t*, float x, float y, void*) {
  pen_of(pen).move_to(x, y);
}
void on_line_to(hb_draw_funcs_t*, void* pen, hb_draw_state_t*, float x, float y, void*) {
  pen_of(pen).line_to(x, y);
}
void on_quad_to(hb_draw_funcs_t*, void* pen, hb_draw_state_t*, float cx, float cy, float x,
                float y, void*) {
  pen_of(pen).quad_to(cx, cy, x, y);
}
void on_cubic_to(hb_draw_funcs_t*, void* pen, hb_draw_state_t*, float c1x, float c1y, float c2x,
                 float c2y, float x, float y, void*) {
  pen_of(pen).cubic_to(c1x, c1y, c2x, c2y, x, y);
}
void on_close(hb_draw_funcs_t*, void* pen, hb_draw_state_t*, void*) { pen_of(pen).close(); }

// One immutable table of callbacks, shared by every thread.
hb_draw_funcs_t* pen_funcs() {
  static hb_draw_funcs_t* const funcs = [] {
    hb_draw_funcs_t* f = hb_draw_funcs_create();
    hb_draw_funcs_set_move_to_func(f, on_move_to, nullptr, nullptr);
    hb_draw_funcs_set_line_to_func(f, on_line_to, nullptr, nullptr);
    hb_draw_funcs_set_quadratic_to_func(f, on_quad_to, nullptr, nullptr);
    hb_draw_funcs_set_cubic_to_func(f, on_cubic_to, nullptr, nullptr);
    hb_draw_funcs_set_close_path_func(f, on_close, nullptr, nullptr);
    hb_draw_funcs_make_immutable(f);
    return f;
  }();
  return funcs;
}

}  // namespace

void draw_glyph(hb_font_t* font, std::uint32_t glyph, Pen& pen) {
#if HB_VERSION_ATLEAST(7, 0, 0)
  hb_font_draw_glyph(font, glyph, pen_funcs(), &pen);
#else
  hb_font_get_glyph_shape(font, glyph, pen_funcs(), &pen);
#endif
}

void ControlBounds::add(float x, float y) {
  if (empty_) {
    min_x_ = max_x_ = x;
    min_y_ = max_y_ = y;
    empty_ = false;
    return;
  }
  min_x_ = std::min(min_x_, x);
  min_y_ = std::min(min_y_, y);
  max_x_ = std::max(max_x_, x);
  max_y_ = std::max(max_y_, y);
}

void ControlBounds::quad_to(float cx, float cy, float x, float y) {
  add(cx, cy);
  add(x, y);
}

void ControlBounds::cubic_to(float c1x, float c1y, float c2x, float c2y, float x, float y) {
  add(c1x, c1y);
  add(c2x, c2y);
  add(x, y);
}

}  // namespace lodra::text
