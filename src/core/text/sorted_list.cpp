#include "core/text/sorted_list.h"

#include <algorithm>
#include <cctype>

namespace hrs {

bool SortedBefore(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb;
  }
  return a.size() < b.size();
}

void SortedList::Add(std::string line, int32_t value) {
  auto pos = std::upper_bound(items_.begin(), items_.end(), line,
                              [](const std::string& l, const Item& it) { return SortedBefore(l, it.line); });
  items_.insert(pos, Item{std::move(line), value});
}

void SortedList::AddAll(std::vector<Item> items) {
  std::stable_sort(items.begin(), items.end(),
                   [](const Item& a, const Item& b) { return SortedBefore(a.line, b.line); });
  if (items_.empty()) {
    items_ = std::move(items);
    return;
  }
  std::vector<Item> merged;
  merged.reserve(items_.size() + items.size());
  std::merge(std::make_move_iterator(items_.begin()), std::make_move_iterator(items_.end()),
             std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()),
             std::back_inserter(merged),
             [](const Item& a, const Item& b) { return SortedBefore(a.line, b.line); });
  items_ = std::move(merged);
}

}  // namespace hrs
