#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace hrs {

// A list that keeps its lines in case-insensitive ascending order as they are
// added (equal lines stay in the order of adding), each line with an item
// value; read it backwards for descending order.
class SortedList {
 public:
  struct Item {
    std::string line;
    int32_t value = 0;
  };

  void Add(std::string line, int32_t value = 0);
  void Clear() { items_.clear(); }
  bool Empty() const { return items_.empty(); }
  size_t Size() const { return items_.size(); }
  const Item& operator[](size_t i) const { return items_[i]; }
  const std::vector<Item>& Items() const { return items_; }

  // Adds many lines at once, sorted in one pass; same order as adding one by one.
  void AddAll(std::vector<Item> items);

 private:
  std::vector<Item> items_;
};

// The comparison of the sorted list: case-insensitive byte order.
bool SortedBefore(const std::string& a, const std::string& b);

}  // namespace hrs
