// Owning handles for the HarfBuzz objects the text code keeps.
#pragma once

#include <hb.h>

#include <memory>

namespace lodra::text {

template <class T, void (*destroy)(T*)>
struct HbDeleter {
  void operator()(T* object) const { destroy(object); }
};

using HbBlob = std::unique_ptr<hb_blob_t, HbDeleter<hb_blob_t, hb_blob_destroy>>;
using HbFace = std::unique_ptr<hb_face_t, HbDeleter<hb_face_t, hb_face_destroy>>;
using HbFont = std::unique_ptr<hb_font_t, HbDeleter<hb_font_t, hb_font_destroy>>;
using HbBuffer = std::unique_ptr<hb_buffer_t, HbDeleter<hb_buffer_t, hb_buffer_destroy>>;

}  // namespace lodra::text
