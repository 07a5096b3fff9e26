// The scale an axes was created with on one side: linear, log with its base, or category.
#pragma once

#include <cstdint>
#include <string>

#include "scale/log_base.h"

namespace lodra {

enum class ScaleKind : std::uint8_t { Linear, Log, Category };

struct Scale {
  ScaleKind kind = ScaleKind::Linear;
  double base = 10.0;  // meaningful for Log only

  static Scale linear() { return {ScaleKind::Linear, 10.0}; }
  static Scale log(LogBase base) { return {ScaleKind::Log, base.value}; }
  static Scale category() { return {ScaleKind::Category, 10.0}; }

  bool is_log() const { return kind == ScaleKind::Log; }
  bool is_category() const { return kind == ScaleKind::Category; }

  // "Scale.linear()", "Scale.log(10)" or "Scale.category()".
  std::string name() const;

  // The same kind and, for log scales, the same base (a NaN base never matches).
  bool same_as(const Scale& other) const {
    return kind == other.kind && (kind != ScaleKind::Log || base == other.base);
  }

  friend bool operator==(const Scale&, const Scale&) = default;
};

}  // namespace lodra
