// The whole picture handed from drawing to output: the page size, the background and the items
// in painting order. A plain value: built once per render, read by one writer, dropped.
#pragma once

#include <vector>

#include "color.h"
#include "scene/geometry.h"
#include "scene/item.h"

namespace lodra::scene {

struct Scene {
  std::vector<Item> items;  // each item paints over the ones before it
  float width = 0;          // points
  float height = 0;         // points
  Rgba background;          // painted under everything over the full page

  Scene(double page_width, double page_height, Rgba page_background)
      : width(narrow(page_width)), height(narrow(page_height)), background(page_background) {}
};

}  // namespace lodra::scene
