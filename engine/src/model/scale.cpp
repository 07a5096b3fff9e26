#include "model/scale.h"

#include "error.h"

namespace lodra {

std::string Scale::name() const {
  switch (kind) {
    case ScaleKind::Linear: return "Scale.linear()";
    case ScaleKind::Log: return cat("Scale.log(", display_number(base), ")");
    case ScaleKind::Category: return "Scale.category()";
  }
  return {};
}

}  // namespace lodra
