// The one error record every fallible engine operation returns, and the helpers that write
// values into its messages.
#pragma once

#include <concepts>
#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

namespace lodra {

enum class ErrorKind : std::uint8_t { Data, Style, Usage, Io };

// Context, parameter and hint are static texts; an empty parameter or hint means "none".
// An Io error carries the operating system's error code in `os_code` (0 when there is none)
// and the system's message in `problem`.
struct Error {
  ErrorKind kind;
  std::string_view context;
  std::string_view parameter;
  std::string_view hint;
  std::string problem;
  int os_code = 0;

  // "{context}: {problem}"; an Io error displays as the system error does.
  std::string display() const;
};

template <class T>
using Result = std::expected<T, Error>;
using Status = std::expected<void, Error>;

inline std::unexpected<Error> fail(ErrorKind kind, std::string_view context,
                                   std::string_view parameter, std::string_view hint,
                                   std::string problem) {
  return std::unexpected(Error{kind, context, parameter, hint, std::move(problem)});
}

// Early return on error, for functions that return a Result or a Status:
//   LODRA_TRY(check_text(context, "prefix", prefix));
//   LODRA_TRY_ASSIGN(Rgba color, Rgba::hex(code));
#define LODRA_CONCAT_INNER(a, b) a##b
#define LODRA_CONCAT(a, b) LODRA_CONCAT_INNER(a, b)
#define LODRA_TRY(expr)                                                         \
  if (auto LODRA_CONCAT(lodra_try_, __LINE__) = (expr); !LODRA_CONCAT(lodra_try_, __LINE__)) \
  return std::unexpected(std::move(LODRA_CONCAT(lodra_try_, __LINE__)).error())
#define LODRA_TRY_ASSIGN(declaration, expr)                                     \
  auto LODRA_CONCAT(lodra_try_, __LINE__) = (expr);                             \
  if (!LODRA_CONCAT(lodra_try_, __LINE__))                                      \
    return std::unexpected(std::move(LODRA_CONCAT(lodra_try_, __LINE__)).error()); \
  declaration = std::move(*LODRA_CONCAT(lodra_try_, __LINE__))

// A floating-point value as messages show it: shortest round-trip digits, plain decimal for
// 1e-4 <= |v| < 1e6 (and zero, infinities, NaN), exponent notation otherwise.
std::string display_number(double value);

// User text as messages show it: the first 40 characters, quoted and escaped, cut with "…"
// when the quoted form reaches 41 characters.
std::string quoted(std::string_view utf8);
// Exact-match overloads, so that argument-dependent lookup never picks std::quoted.
inline std::string quoted(const std::string& utf8) { return quoted(std::string_view(utf8)); }
inline std::string quoted(const char* utf8) { return quoted(std::string_view(utf8)); }

// As `quoted`, without the 40-character cut.
std::string quoted_whole(std::string_view utf8);

// Builds a message from pieces: text and integers are written as they are; floating-point
// values must go through display_number so that every number in a message reads the same way.
namespace detail {
inline void append_piece(std::string& out, std::string_view text) { out += text; }
inline void append_piece(std::string& out, char c) { out += c; }
template <std::integral I>
  requires(!std::same_as<I, char> && !std::same_as<I, bool>)
void append_piece(std::string& out, I value) {
  out += std::to_string(value);
}
template <std::floating_point F>
void append_piece(std::string&, F) = delete;
}  // namespace detail

template <class... Pieces>
std::string cat(const Pieces&... pieces) {
  std::string out;
  (detail::append_piece(out, pieces), ...);
  return out;
}

}  // namespace lodra
