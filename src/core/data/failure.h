#pragma once
#include <optional>
#include <string>
#include <utility>

namespace hrs {

// Why a change of files did not happen, or nothing when it did. Dropping one
// unread is a compile error, so a lost result cannot go unnoticed; a batch
// step that goes on past a failure on purpose says so with GoOnPast.
class [[nodiscard]] Failure : public std::optional<std::string> {
 public:
  using std::optional<std::string>::optional;
  Failure(std::optional<std::string> why) : std::optional<std::string>(std::move(why)) {}
};

// The one way to leave a failure unread; the call site says why. The bool
// form is for the saves that tell the operator themselves and return false.
inline void GoOnPast(const Failure&) {}
inline void GoOnPast(bool) {}

}  // namespace hrs
