#include "text/font_database.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace lodra::text {

namespace {

template <class T, void (*destroy)(T*)>
struct FcDeleter {
  void operator()(T* object) const { destroy(object); }
};

using FcConfigPtr = std::unique_ptr<FcConfig, FcDeleter<FcConfig, FcConfigDestroy>>;
using FcPatternPtr = std::unique_ptr<FcPattern, FcDeleter<FcPattern, FcPatternDestroy>>;
using FcObjectSetPtr = std::unique_ptr<FcObjectSet, FcDeleter<FcObjectSet, FcObjectSetDestroy>>;
using FcFontSetPtr = std::unique_ptr<FcFontSet, FcDeleter<FcFontSet, FcFontSetDestroy>>;

std::string string_value(const FcPattern* pattern, const char* object, int n = 0) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, n, &value) != FcResultMatch || !value) return {};
  return reinterpret_cast<const char*>(value);
}

std::vector<std::string> families(const FcPattern* pattern) {
  std::vector<std::string> names;
  FcChar8* value = nullptr;
  for (int n = 0; FcPatternGetString(pattern, FC_FAMILY, n, &value) == FcResultMatch; ++n) {
    if (value) names.emplace_back(reinterpret_cast<const char*>(value));
  }
  return names;
}

// Fontconfig keeps weights on its own scale; a variable font gives a range, of which the weight
// nearest to regular stands for the face at its default location.
std::uint16_t opentype_weight(const FcPattern* pattern) {
  FcValue value;
  double weight = FC_WEIGHT_REGULAR;
  if (FcPatternGet(pattern, FC_WEIGHT, 0, &value) == FcResultMatch) {
    if (value.type == FcTypeInteger) weight = value.u.i;
    if (value.type == FcTypeDouble) weight = value.u.d;
    double begin = 0;
    double end = 0;
    if (value.type == FcTypeRange && FcRangeGetDouble(value.u.r, &begin, &end)) {
      weight = std::clamp<double>(FC_WEIGHT_REGULAR, begin, std::max(begin, end));
    }
  }
  double opentype = FcWeightToOpenTypeDouble(weight);
  if (!(opentype >= 1)) return 400;  // also NaN, and -1 for a weight beyond fontconfig's scale
  return static_cast<std::uint16_t>(std::lround(std::min(opentype, 1000.0)));
}

std::optional<InstalledFace> installed_face(const FcPattern* pattern) {
  int index = 0;
  if (FcPatternGetInteger(pattern, FC_INDEX, 0, &index) != FcResultMatch) index = 0;
  if (index < 0 || index >> 16 != 0) return {};  // a named instance of a variable font
  InstalledFace face;
  face.path = string_value(pattern, FC_FILE);
  if (face.path.empty()) return {};
  face.families = families(pattern);
  face.postscript_name = string_value(pattern, FC_POSTSCRIPT_NAME);
  face.index = static_cast<unsigned>(index);
  face.weight = opentype_weight(pattern);
  int slant = FC_SLANT_ROMAN;
  face.italic = FcPatternGetInteger(pattern, FC_SLANT, 0, &slant) == FcResultMatch &&
                slant != FC_SLANT_ROMAN;
  return face;
}

}  // namespace

std::vector<InstalledFace> installed_faces() {
  // A configuration of our own, dropped once listed, so that nothing is shared with other users
  // of fontconfig in the process.
  FcConfigPtr config(FcInitLoadConfigAndFonts());
  FcPatternPtr pattern(FcPatternCreate());
  FcObjectSetPtr objects(FcObjectSetBuild(FC_FAMILY, FC_POSTSCRIPT_NAME, FC_FILE, FC_INDEX,
                                          FC_WEIGHT, FC_SLANT, nullptr));
  if (!config || !pattern || !objects) return {};
  FcFontSetPtr set(FcFontList(config.get(), pattern.get(), objects.get()));
  if (!set) return {};
  std::vector<InstalledFace> faces;
  faces.reserve(static_cast<std::size_t>(std::max(set->nfont, 0)));
  for (int i = 0; i < set->nfont; ++i) {
    if (auto face = installed_face(set->fonts[i])) faces.push_back(std::move(*face));
  }
  return faces;
}

}  // namespace lodra::text
