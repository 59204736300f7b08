#include "cli/arguments.h"

#include <algorithm>

namespace hrs::cli {

bool Arguments::Has(std::string_view flag) const {
  return std::any_of(flags_.begin(), flags_.end(), [&](const Flag& f) { return f.name == flag; });
}

std::optional<std::string> Arguments::Value(std::string_view flag) const {
  for (auto it = flags_.rbegin(); it != flags_.rend(); ++it)
    if (it->name == flag) return it->value;
  return std::nullopt;
}

bool AsksForHelp(const std::vector<std::string>& args) {
  return std::any_of(args.begin(), args.end(), [](const std::string& a) { return a == "--help" || a == "-h"; });
}

std::optional<Arguments> ParseArguments(std::string_view command, const ArgumentSpec& rules,
                                        const std::vector<std::string>& args, std::ostream& err) {
  Arguments parsed;
  const auto wrong = [&](const std::string& what) {
    err << "hrs-cli " << command << ": " << what << "\n";
    return std::nullopt;
  };
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0) {
      if (parsed.positionals_.size() >= rules.positionals) return wrong("unexpected argument \"" + a + "\"");
      parsed.positionals_.push_back(a);
      continue;
    }
    const auto flag =
        std::find_if(rules.flags.begin(), rules.flags.end(), [&](const FlagSpec& f) { return f.name == a; });
    if (flag == rules.flags.end()) return wrong("unexpected argument \"" + a + "\"");
    if (flag->missingValue.empty()) {
      parsed.flags_.push_back({a, {}});
      continue;
    }
    if (i + 1 >= args.size()) return wrong(a + " " + std::string(flag->missingValue));
    parsed.flags_.push_back({a, args[++i]});
  }
  return parsed;
}

}  // namespace hrs::cli
