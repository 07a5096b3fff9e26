// The system font database: the font faces installed on the machine, as fontconfig lists them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lodra::text {

// One installed face and where its bytes are.
struct InstalledFace {
  std::vector<std::string> families;  // the first is the face's own family name
  std::string postscript_name;
  std::string path;
  unsigned index = 0;  // the face within its file
  std::uint16_t weight = 400;  // 1 to 1000, 400 regular and 700 bold
  bool italic = false;
};

// Every face the machine's font configuration lists, in the database's order. Named instances
// of variable fonts are left out: faces are only ever used at their default location. Empty when
// the configuration cannot be loaded.
std::vector<InstalledFace> installed_faces();

}  // namespace lodra::text
