#include "text/font_data.h"

#include <array>
#include <cassert>

// The assembler copies each font file into read-only data (`.incbin`), so embedding needs no
// generator step; LODRA_FONTS_DIR comes from the build and the files are dependencies of this
// source. The directives are those of ELF targets.
#if !defined(__ELF__)
#error "the built-in fonts are embedded with ELF assembler directives"
#endif

// Each file becomes `symbol` (its bytes) and `symbol_size` (their count).
#define LODRA_EMBED_FONT(symbol, file)                                        \
  asm(".pushsection .rodata\n"                                                \
      ".balign 16\n"                                                          \
      ".globl " #symbol "\n"                                                  \
      ".hidden " #symbol "\n" #symbol ":\n"                                   \
      ".incbin \"" LODRA_FONTS_DIR "/" file "\"\n"                            \
      "1:\n"                                                                  \
      ".balign 8\n"                                                           \
      ".globl " #symbol "_size\n"                                             \
      ".hidden " #symbol "_size\n" #symbol "_size:\n"                         \
      ".quad 1b - " #symbol "\n"                                              \
      ".popsection\n");                                                       \
  extern "C" __attribute__((visibility("hidden"))) const std::uint8_t symbol[]; \
  extern "C" __attribute__((visibility("hidden"))) const std::uint64_t symbol##_size;

LODRA_EMBED_FONT(lodra_font_0, "SourceSerif4-Regular.ttf")
LODRA_EMBED_FONT(lodra_font_1, "SourceSerif4-Semibold.ttf")
LODRA_EMBED_FONT(lodra_font_2, "IBMPlexSans-Regular.ttf")
LODRA_EMBED_FONT(lodra_font_3, "IBMPlexSans-SemiBold.ttf")
LODRA_EMBED_FONT(lodra_font_4, "Geist-Regular.ttf")
LODRA_EMBED_FONT(lodra_font_5, "Geist-SemiBold.ttf")
LODRA_EMBED_FONT(lodra_font_6, "Inter-Regular.ttf")
LODRA_EMBED_FONT(lodra_font_7, "Inter-SemiBold.ttf")
LODRA_EMBED_FONT(lodra_font_8, "JetBrainsMono-Regular.ttf")
LODRA_EMBED_FONT(lodra_font_9, "JetBrainsMono-SemiBold.ttf")

namespace lodra::text {

std::span<const std::uint8_t> builtin_font_bytes(std::size_t index) {
  static const std::array<std::span<const std::uint8_t>, kBuiltinFaceCount> fonts = {
#define LODRA_FONT_SPAN(symbol) std::span<const std::uint8_t>(symbol, symbol##_size)
      LODRA_FONT_SPAN(lodra_font_0), LODRA_FONT_SPAN(lodra_font_1), LODRA_FONT_SPAN(lodra_font_2),
      LODRA_FONT_SPAN(lodra_font_3), LODRA_FONT_SPAN(lodra_font_4), LODRA_FONT_SPAN(lodra_font_5),
      LODRA_FONT_SPAN(lodra_font_6), LODRA_FONT_SPAN(lodra_font_7), LODRA_FONT_SPAN(lodra_font_8),
      LODRA_FONT_SPAN(lodra_font_9),
#undef LODRA_FONT_SPAN
  };
  assert(index < kBuiltinFaceCount);
  return fonts[index];
}

}  // namespace lodra::text
