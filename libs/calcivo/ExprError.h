// The one failure type of an evaluation; its text is what GetErrMsg reports.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace calcivo {

class ExprError : public std::runtime_error {
 public:
  explicit ExprError(const std::string& reason) : std::runtime_error(reason) {}
};

// "at position N" for a 0-based offset into the token.
std::string AtPosition(std::size_t offset);

// A character as it reads in a message: 'x', or \xNN for an unprintable byte.
std::string Quoted(char c);

}  // namespace calcivo
