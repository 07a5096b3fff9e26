// Font files written to a temporary folder, and records of installed faces that point at them,
// so that a test decides which fonts the machine seems to have.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "text/font_database.h"
#include "text/test_font.h"

namespace lodra::text::testing {

class FontFiles {
 public:
  FontFiles();
  ~FontFiles();
  FontFiles(const FontFiles&) = delete;
  FontFiles& operator=(const FontFiles&) = delete;

  // Writes `bytes` to the file `name` in the folder and gives its path.
  std::string write(const std::string& name, const Bytes& bytes) const;
  std::string path(const std::string& name) const { return (folder_ / name).string(); }

 private:
  std::filesystem::path folder_;
};

InstalledFace installed(const std::string& family, const std::string& postscript_name,
                        const std::string& path, std::uint16_t weight = 400, bool italic = false);

// A face mapping 'A' and U+4E2D (a Han ideograph) to a box glyph, or, when `empty`, U+4E2D to
// a glyph without outline. 1000 units per em, advances of 900 units.
Bytes han_font(bool empty = false);

}  // namespace lodra::text::testing
