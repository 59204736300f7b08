#include "core/data/transaction.h"

#include "core/data/write_form.h"
#include "core/text/numeric.h"

namespace hrs {

void WriteId(WriteFormLine& line, std::string_view id, IdForm form) {
  // Judged as it will be written, so that the next save writes it alike.
  const std::string safe = SafeFileText(id);
  if (form == IdForm::Bare && IsNumeric(safe)) line.Raw(Trim(safe));
  else line.Text(safe);
}

}  // namespace hrs
