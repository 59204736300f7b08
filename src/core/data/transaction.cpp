#include "core/data/transaction.h"

#include "core/data/write_form.h"
#include "core/text/numeric.h"

namespace hrs {

void WriteId(WriteFormLine& line, std::string_view id, IdForm form) {
  if (form == IdForm::Bare && IsNumeric(id)) line.Raw(Trim(id));
  else line.Text(id);
}

}  // namespace hrs
