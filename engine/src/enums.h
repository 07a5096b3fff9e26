// The enumerations that cross into Python as integer codes. A member's code is its position;
// `EnumInfo<E>` gives the enumeration's Python name and its member names in code order.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lodra {

enum class Dash : std::uint8_t { Solid, Dashed, Dotted };
enum class Marker : std::uint8_t { Circle, Square, Triangle, Diamond, Cross };
enum class Font : std::uint8_t { SourceSerif4, IbmPlexSans, Geist, Inter, JetBrainsMono };
enum class LegendStyle : std::uint8_t { Header, Direct, Chips, None };
enum class FillStyle : std::uint8_t { Solid, Gradient };
enum class GridLines : std::uint8_t { Horizontal, Vertical, Both, None };
enum class SvgText : std::uint8_t { Outlines, Editable };
enum class Share : std::uint8_t { None, Row, Col, All };
enum class LegendMode : std::uint8_t { Merged, PerPanel };
enum class LegendPosition : std::uint8_t { TopLeft, TopRight, Right, Bottom, Best };
enum class Align : std::uint8_t { Left, Center, Right };
enum class Step : std::uint8_t { Post, Pre, Mid };

template <class E>
struct EnumInfo;

#define LODRA_ENUM_INFO(Type, python_name, ...)                             \
  template <>                                                               \
  struct EnumInfo<Type> {                                                   \
    static constexpr std::string_view name = python_name;                   \
    static constexpr auto members = std::to_array<std::string_view>({__VA_ARGS__}); \
  };

LODRA_ENUM_INFO(Dash, "Dash", "SOLID", "DASHED", "DOTTED")
LODRA_ENUM_INFO(Marker, "Marker", "CIRCLE", "SQUARE", "TRIANGLE", "DIAMOND", "CROSS")
LODRA_ENUM_INFO(Font, "Font", "SOURCE_SERIF_4", "IBM_PLEX_SANS", "GEIST", "INTER",
                "JETBRAINS_MONO")
LODRA_ENUM_INFO(LegendStyle, "LegendStyle", "HEADER", "DIRECT", "CHIPS", "NONE")
LODRA_ENUM_INFO(FillStyle, "FillStyle", "SOLID", "GRADIENT")
LODRA_ENUM_INFO(GridLines, "GridLines", "HORIZONTAL", "VERTICAL", "BOTH", "NONE")
LODRA_ENUM_INFO(SvgText, "SvgText", "OUTLINES", "EDITABLE")
LODRA_ENUM_INFO(Share, "Share", "NONE", "ROW", "COL", "ALL")
LODRA_ENUM_INFO(LegendMode, "Legend", "MERGED", "PER_PANEL")
LODRA_ENUM_INFO(LegendPosition, "LegendPosition", "TOP_LEFT", "TOP_RIGHT", "RIGHT", "BOTTOM",
                "BEST")
LODRA_ENUM_INFO(Align, "Align", "LEFT", "CENTER", "RIGHT")
LODRA_ENUM_INFO(Step, "Step", "POST", "PRE", "MID")

#undef LODRA_ENUM_INFO

// The member with this code, or nothing when the code is out of range.
template <class E>
constexpr std::optional<E> enum_from_code(std::int64_t code) {
  if (code < 0 || code >= static_cast<std::int64_t>(EnumInfo<E>::members.size())) return {};
  return static_cast<E>(code);
}

}  // namespace lodra
