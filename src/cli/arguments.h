#pragma once
#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace hrs::cli {

// A flag of a command: a switch, or an option followed by its value.
struct FlagSpec {
  std::string_view name;  // "--date"
  // For an option, what the flag's name is followed by when its value is
  // missing ("needs a date YYYYMMDD"); empty for a switch.
  std::string_view missingValue = {};
};

inline constexpr size_t AnyNumber = static_cast<size_t>(-1);

// What a command accepts: its flags, and up to `positionals` other
// arguments, among the flags in any order. An argument that begins with
// "--" is a flag.
struct ArgumentSpec {
  std::vector<FlagSpec> flags;
  size_t positionals = 0;
};

// A command's arguments as given.
class Arguments {
 public:
  struct Flag {
    std::string name;
    std::string value;  // an option's value
  };

  bool Has(std::string_view flag) const;
  // The value of the flag given last under that name.
  std::optional<std::string> Value(std::string_view flag) const;
  // Every flag given, in order.
  const std::vector<Flag>& Flags() const { return flags_; }
  const std::vector<std::string>& Positionals() const { return positionals_; }

 private:
  friend std::optional<Arguments> ParseArguments(std::string_view, const ArgumentSpec&, const std::vector<std::string>&,
                                                 std::ostream&);
  std::vector<Flag> flags_;
  std::vector<std::string> positionals_;
};

// True when the arguments ask for the command's help (--help or -h anywhere).
bool AsksForHelp(const std::vector<std::string>& args);

// The arguments of `command` by its rules; nothing, with the reason on err
// ("hrs-cli COMMAND: unexpected argument ..."), when they do not fit it.
std::optional<Arguments> ParseArguments(std::string_view command, const ArgumentSpec& rules,
                                        const std::vector<std::string>& args, std::ostream& err);

}  // namespace hrs::cli
