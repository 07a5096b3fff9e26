#include "text/script_families.h"

#include <algorithm>
#include <array>

namespace lodra::text {

namespace {

struct Block {
  char32_t first;
  char32_t last;
};

struct Script {
  std::span<const Block> blocks;
  std::span<const std::string_view> families;
};

constexpr Block kHanBlocks[] = {{0x2E80, 0x2FDF}, {0x3000, 0x303F}, {0x31C0, 0x31EF},
                                {0x3400, 0x4DBF}, {0x4E00, 0x9FFF}, {0xF900, 0xFAFF},
                                {0x20000, 0x323AF}};
constexpr std::string_view kHanFamilies[] = {"Noto Sans CJK SC", "Noto Sans SC",
                                             "Source Han Sans SC", "PingFang SC",
                                             "Microsoft YaHei", "Hiragino Sans"};
constexpr Block kKanaBlocks[] = {{0x3040, 0x30FF}, {0x31F0, 0x31FF}, {0xFF65, 0xFF9F},
                                 {0x1B000, 0x1B16F}};
constexpr std::string_view kKanaFamilies[] = {"Noto Sans CJK JP", "Noto Sans JP",
                                              "Hiragino Sans", "Meiryo"};
constexpr Block kHangulBlocks[] = {{0x1100, 0x11FF}, {0x3130, 0x318F}, {0xA960, 0xA97F},
                                   {0xAC00, 0xD7FF}, {0xFFA0, 0xFFDC}};
constexpr std::string_view kHangulFamilies[] = {"Noto Sans CJK KR", "Noto Sans KR",
                                                "Apple SD Gothic Neo", "Malgun Gothic"};
constexpr Block kArabicBlocks[] = {{0x0600, 0x06FF}, {0x0750, 0x077F}, {0x0870, 0x08FF},
                                   {0xFB50, 0xFDFF}, {0xFE70, 0xFEFF}};
constexpr std::string_view kArabicFamilies[] = {"Noto Naskh Arabic", "Noto Sans Arabic", "Amiri",
                                                "Geeza Pro", "DejaVu Sans"};
constexpr Block kHebrewBlocks[] = {{0x0590, 0x05FF}, {0xFB1D, 0xFB4F}};
constexpr std::string_view kHebrewFamilies[] = {"Noto Sans Hebrew", "Arial Hebrew",
                                                "DejaVu Sans"};

// Tested in this order.
constexpr Script kScripts[] = {{kHanBlocks, kHanFamilies},
                               {kKanaBlocks, kKanaFamilies},
                               {kHangulBlocks, kHangulFamilies},
                               {kArabicBlocks, kArabicFamilies},
                               {kHebrewBlocks, kHebrewFamilies}};

constexpr std::array<std::string_view, 3> kGeneric = {"Noto Sans", "DejaVu Sans",
                                                      "Arial Unicode MS"};

}  // namespace

std::span<const std::string_view> script_families(char32_t c) {
  for (const Script& script : kScripts) {
    bool inside = std::any_of(script.blocks.begin(), script.blocks.end(),
                              [c](const Block& b) { return b.first <= c && c <= b.last; });
    if (inside) return script.families;
  }
  return {};
}

std::span<const std::string_view> generic_families() { return kGeneric; }

}  // namespace lodra::text
