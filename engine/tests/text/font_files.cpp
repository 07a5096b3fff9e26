#include "text/font_files.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

namespace lodra::text::testing {

FontFiles::FontFiles() {
  std::string pattern = (std::filesystem::temp_directory_path() / "lodra-fonts-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
  folder_ = pattern;
}

FontFiles::~FontFiles() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string FontFiles::write(const std::string& name, const Bytes& bytes) const {
  std::ofstream file(folder_ / name, std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path(name);
}

InstalledFace installed(const std::string& family, const std::string& postscript_name,
                        const std::string& path, std::uint16_t weight, bool italic) {
  return {{family}, postscript_name, path, 0, weight, italic};
}

Bytes han_font(bool empty) {
  TestGlyph box = {.advance = 900, .min_x = 50, .min_y = -100, .max_x = 850, .max_y = 700};
  TestGlyph hollow = {.advance = 900, .empty = true};
  return build_font({box, empty ? hollow : box},
                    cmap_table({{3, 1, format4({{'A', 1}, {0x4E2D, 2}})}}));
}

}  // namespace lodra::text::testing
