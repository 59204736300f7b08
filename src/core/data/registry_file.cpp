#include "core/data/registry_file.h"

#include "core/data/file_io.h"
#include "core/data/transaction_names.h"
#include "core/data/write_form.h"
#include "core/text/numeric.h"

namespace hrs {

std::vector<std::string> ParseRegistry(std::string_view bytes) {
  std::vector<std::string> names;
  for (const auto& v : SplitWriteForm(bytes)) names.push_back(v.text);
  if (!names.empty() && EqualsNoCase(names.front(), NoQtpFiles)) return {};
  return names;
}

std::vector<std::string> ReadRegistry(const DataLocation& where, int year) {
  auto bytes = ReadWholeFile(where.DataPath(RegistryFileName(year)));
  if (!bytes) return {};
  return ParseRegistry(*bytes);
}

}  // namespace hrs
