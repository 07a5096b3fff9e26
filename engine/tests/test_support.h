// Helpers for asserting on the engine's error records.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "error.h"

namespace lodra::testing {

struct ExpectedError {
  ErrorKind kind;
  std::string context;
  std::string parameter;
  std::string hint;
  std::string problem;
};

template <class T>
void expect_error(const std::expected<T, Error>& result, const ExpectedError& expected) {
  ASSERT_FALSE(result.has_value()) << "expected: " << expected.problem;
  const Error& e = result.error();
  EXPECT_EQ(e.kind, expected.kind) << e.display();
  EXPECT_EQ(e.context, expected.context);
  EXPECT_EQ(e.parameter, expected.parameter) << e.display();
  EXPECT_EQ(e.hint, expected.hint) << e.display();
  EXPECT_EQ(e.problem, expected.problem);
}

}  // namespace lodra::testing
