#include "model/grid.h"

namespace lodra {

namespace {

Status check_side(std::string_view name, std::int64_t value, std::string_view too_few_hint) {
  if (value >= 1 && value <= kMaxGridSide) return {};
  std::string_view hint = value < 1 ? too_few_hint : "split the figure into several figures.";
  return fail(ErrorKind::Style, "Figure()", name, hint,
              cat(name, " is ", value, "; ", name, " must be between 1 and ", kMaxGridSide, "."));
}

}  // namespace

Result<Grid> Grid::make(std::int64_t rows, std::int64_t cols) {
  LODRA_TRY(check_side("rows", rows, "use at least 1 row."));
  LODRA_TRY(check_side("cols", cols, "use at least 1 column."));
  return Grid{static_cast<std::uint32_t>(rows), static_cast<std::uint32_t>(cols)};
}

Result<std::vector<Cell>> Grid::cells(std::int64_t count) const {
  std::int64_t total = std::int64_t{rows} * cols;
  if (count < 1 || count > total) {
    return fail(ErrorKind::Style, "Figure.cells()", "count",
                "pass a count from 1 to the number of cells.",
                cat("count is ", count, "; a ", rows, " \u00d7 ", cols, " figure has ", total,
                    " cells."));
  }
  std::vector<Cell> result;
  result.reserve(static_cast<std::size_t>(count));
  for (std::int64_t i = 0; i < count; ++i) {
    result.push_back(Cell{static_cast<std::uint32_t>(i / cols), static_cast<std::uint32_t>(i % cols)});
  }
  return result;
}

}  // namespace lodra
