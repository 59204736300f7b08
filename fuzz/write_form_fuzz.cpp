#include "core/data/write_form.h"
#include "fuzz_support.h"

// Every way of taking values, mixed as the readers mix them; what is read
// and written back reads back the same.
HRS_FUZZ_TARGET({
  hrs::WriteFormReader r(bytes);
  unsigned k = 0;
  while (!r.AtEnd()) {
    switch (k++ % 5) {
      case 0: r.Next(); break;
      case 1: r.Text(); break;
      case 2: r.Int16(); break;
      case 3: r.Integer(-1000000000000LL, 1000000000000LL); break;
      case 4: r.Date(); break;
    }
  }
  for (const auto& v : hrs::SplitWriteForm(bytes)) {
    const std::string line = hrs::WriteFormLine().Text(v.text).Str();
    const auto again = hrs::SplitWriteForm(line);
    HRS_FUZZ_CHECK(again.size() == 1 && again[0].text == hrs::SafeFileText(v.text));
  }
})
