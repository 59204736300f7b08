#include "core/rating/fast_month_list.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace hrs {

namespace {

// Ids of n digits take the keys after all ids of fewer digits.
constexpr std::array<uint32_t, 9> DigitsOffset = {0, 0, 10, 110, 1110, 11110, 111110, 1111110, 11111110};

struct PlainId {
  uint32_t key = 0;
  uint32_t value = 0;
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<PlainId> PlainDigits(std::string_view s) {
  if (s.empty() || s.size() > 8) return std::nullopt;
  uint32_t v = 0;
  for (char c : s) {
    if (!IsDigit(c)) return std::nullopt;
    v = v * 10 + static_cast<uint32_t>(c - '0');
  }
  return PlainId{DigitsOffset[s.size()] + v, v};
}

// "" < " " < "X" = "x" without regard to case; other codes are not usual.
std::optional<uint32_t> CodeRank(std::string_view code) {
  if (code.empty()) return 0;
  if (code.size() != 1) return std::nullopt;
  if (code[0] == ' ') return 1;
  if (code[0] == 'X' || code[0] == 'x') return 2;
  return std::nullopt;
}

uint64_t Load8(const char* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  return v;
}

// How many of 8 characters (loaded little-endian) are digits before the first
// other one. A carry out of a byte only reaches characters after it.
unsigned LeadingDigits(uint64_t w) {
  const uint64_t high = w & 0xF0F0F0F0F0F0F0F0ull;
  const uint64_t low = (w + 0x0606060606060606ull) & 0xF0F0F0F0F0F0F0F0ull;
  const uint64_t bad = (high ^ 0x3030303030303030ull) | (low ^ 0x3030303030303030ull);
  return bad == 0 ? 8 : static_cast<unsigned>(__builtin_ctzll(bad)) / 8;
}

// The value of the first n (1..8) characters of w, all digits. The shift
// drops the other characters, and with them anything their subtraction
// borrowed: digits borrow nothing, and borrows only travel towards them.
uint32_t DigitsValue(uint64_t w, unsigned n) {
  uint64_t d = (w - 0x3030303030303030ull) << (8 * (8 - n));
  d = (d * 10 + (d >> 8)) & 0x00FF00FF00FF00FFull;
  d = (d * 100 + (d >> 16)) & 0x0000FFFF0000FFFFull;
  d = (d * 10000 + (d >> 32)) & 0xFFFFFFFFull;
  return static_cast<uint32_t>(d);
}

// Eight characters as one number that orders as the text does.
uint64_t BigEndian8(const char* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  return __builtin_bswap64(v);
}

// Month-file lines of the usual shape, parsed in place.
class LineScanner {
 public:
  explicit LineScanner(std::string_view bytes) : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}

  // True at the end of the file (blank lines at the very end hold no values).
  [[gnu::always_inline]] bool AtEnd() const {
    if (p_ < end_ && *p_ == '"') return false;
    for (const char* q = p_; q < end_; ++q)
      if (*q != '\r' && *q != '\n' && *q != ' ' && *q != '\t') return false;
    return true;
  }

  // The date: 8 digits, quoted or bare, then a comma.
  [[gnu::always_inline]] bool Date(const char*& date) {
    const bool quoted = *p_ == '"';
    const char* b = p_ + quoted;
    if (end_ - b < 10 || LeadingDigits(Load8(b)) != 8) return false;
    const char* q = b + 8;
    if (quoted && *q++ != '"') return false;
    if (q >= end_ || *q != ',') return false;
    date = b;
    p_ = q + 1;
    return true;
  }

  // An id of 1 to 8 digits, quoted or bare, then a comma.
  [[gnu::always_inline]] bool Id(PlainId& id) {
    const bool quoted = p_ < end_ && *p_ == '"';
    const char* q = p_ + quoted;
    const char* b = q;
    uint32_t v = 0;
    size_t n = 0;
    if (end_ - q >= 9) {
      n = LeadingDigits(Load8(q));
      if (n == 8 && IsDigit(q[8])) return false;
      if (n > 0) v = DigitsValue(Load8(q), static_cast<unsigned>(n));
      q += n;
    } else {
      while (q < end_ && IsDigit(*q) && q - b < 9) v = v * 10 + static_cast<uint32_t>(*q++ - '0');
      n = static_cast<size_t>(q - b);
    }
    if (n < 1 || n > 8) return false;
    if (quoted && (q >= end_ || *q++ != '"')) return false;
    if (q >= end_ || *q != ',') return false;
    p_ = q + 1;
    id = {DigitsOffset[n] + v, v};
    return true;
  }

  // The code ("", " ", "X" or "x"; quoted, or bare "", "X", "x"), then the
  // end of the line. Rank and draw as in CodeRank.
  [[gnu::always_inline]] bool Code(uint32_t& rank, bool& draw) {
    const char* q = p_;
    char c = NoCode;
    if (q < end_ && *q == '"') {
      ++q;
      if (q < end_ && *q != '"') c = *q++;
      if (q >= end_ || *q++ != '"') return false;
    } else if (q < end_ && (*q == 'X' || *q == 'x')) {
      c = *q++;
    }
    if (!RankOf(c, rank, draw)) return false;
    if (q < end_ && *q == '\r') ++q;
    if (q < end_) {
      if (*q != '\n') return false;
      ++q;
    }
    p_ = q;
    return true;
  }

  // The whole line in its usual shape, far from the end of the file so that
  // no bound needs checking. It takes no line the steps above would read
  // otherwise; false (nothing taken) leaves the line to them.
  [[gnu::always_inline]] bool QuickLine(const char*& date, PlainId& a, PlainId& b, uint32_t& rank, bool& draw) {
    if (end_ - p_ < QuickReach) return false;
    const char* q = p_;
    const bool quotedDate = *q == '"';
    q += quotedDate;
    if (LeadingDigits(Load8(q)) != 8) return false;
    const char* d = q;
    q += 8;
    if (quotedDate && *q++ != '"') return false;
    if (*q++ != ',') return false;
    if (!QuickId(q, a) || !QuickId(q, b)) return false;
    char c = NoCode;
    if (*q == '"') {
      ++q;
      if (*q != '"') c = *q++;
      if (*q++ != '"') return false;
    } else if (*q == 'X' || *q == 'x') {
      c = *q++;
    }
    if (!RankOf(c, rank, draw)) return false;
    q += *q == '\r';
    if (*q++ != '\n') return false;
    date = d;
    p_ = q;
    return true;
  }

 private:
  // No code at all: a quote, which no code's character can be (a NUL can).
  static constexpr char NoCode = '"';

  // The code's character (NoCode for none): rank and draw as in CodeRank.
  [[gnu::always_inline]] static bool RankOf(char c, uint32_t& rank, bool& draw) {
    if (c == NoCode) rank = 0;
    else if (c == ' ') rank = 1;
    else if (c == 'X' || c == 'x') rank = 2;
    else return false;
    draw = c == 'X';
    return true;
  }

  // Beyond the longest usual line: two quoted 8-digit ids, a quoted date.
  static constexpr std::ptrdiff_t QuickReach = 64;

  [[gnu::always_inline]] static bool QuickId(const char*& q, PlainId& id) {
    const bool quoted = *q == '"';
    const char* b = q + quoted;
    const uint64_t w = Load8(b);
    const unsigned n = LeadingDigits(w);
    if (n == 0 || (n == 8 && IsDigit(b[8]))) return false;
    const char* e = b + n;
    if (quoted && *e++ != '"') return false;
    if (*e != ',') return false;
    const uint32_t v = DigitsValue(w, n);
    id = {DigitsOffset[n] + v, v};
    q = e + 1;
    return true;
  }

  const char* p_;
  const char* end_;
};

// Room for n items and a quarter more, so that the next month, a little
// longer, needs no new memory: each new page costs a fault.
template <typename T>
void Reserve(std::vector<T>& v, size_t n) {
  if (v.capacity() < n) v.reserve(n + n / 4);
}

unsigned BitWidth(size_t n) {
  unsigned b = 0;
  while ((size_t{1} << b) < n) ++b;
  return b;
}

// Stable least-significant-digit radix sort of v[0..n) on bits
// [from, from + bits); tmp holds n items, counts the counting tables. Long
// lists take wide digits (few passes), short ones narrow digits (small
// tables to clear and sum).
void RadixSort(uint64_t* v, uint64_t* tmp, size_t n, unsigned from, unsigned bits, std::vector<uint32_t>& counts) {
  if (n < 2 || bits == 0) return;
  const unsigned widest = std::clamp(BitWidth(n), 8u, 12u);
  const unsigned passes = (bits + widest - 1) / widest;
  const unsigned width = (bits + passes - 1) / passes;
  const size_t buckets = size_t{1} << width;
  const uint64_t mask = buckets - 1;
  counts.assign(passes * buckets, 0);
  uint32_t* c0 = counts.data();
  if (passes == 3) {
    // The usual month: one pass of counting with no inner loop.
    for (size_t i = 0; i < n; ++i) {
      const uint64_t x = v[i] >> from;
      ++c0[x & mask];
      ++c0[buckets + ((x >> width) & mask)];
      ++c0[2 * buckets + ((x >> 2 * width) & mask)];
    }
  } else {
    for (size_t i = 0; i < n; ++i)
      for (unsigned p = 0; p < passes; ++p) ++c0[p * buckets + ((v[i] >> (from + p * width)) & mask)];
  }
  uint64_t* in = v;
  uint64_t* out = tmp;
  for (unsigned p = 0; p < passes; ++p) {
    const unsigned shift = from + p * width;
    uint32_t* c = counts.data() + p * buckets;
    // A pass where every item has the same digit changes nothing.
    if (c[(in[0] >> shift) & mask] == n) continue;
    uint32_t sum = 0;
    for (size_t d = 0; d < buckets; ++d) {
      const uint32_t k = c[d];
      c[d] = sum;
      sum += k;
    }
    for (size_t i = 0; i < n; ++i) out[c[(in[i] >> shift) & mask]++] = in[i];
    std::swap(in, out);
  }
  if (in != v) std::copy(in, in + n, v);
}


}  // namespace

FastMonthList::FastMonthList(const PlayerIdentifier& identify)
    : identify_(identify), smallSlot_(SmallKeys, -1), largeTable_(8192, 0) {}

void FastMonthList::Clear() {
  for (size_t slot = 0; slot < slotKey_.size(); ++slot)
    if (slotKey_[slot] < SmallKeys) smallSlot_[slotKey_[slot]] = -1;
  for (const size_t pos : largeUsed_) largeTable_[pos] = 0;
  largeUsed_.clear();
  slotKey_.clear();
  slotSysId_.clear();
  items_.clear();
}

uint32_t FastMonthList::LargeSlot(uint32_t key, uint32_t value) {
  // Open addressing, an entry holds key << 32 | slot + 1.
  const size_t mask = largeTable_.size() - 1;
  size_t pos = HashPos(key);
  while (largeTable_[pos] != 0) {
    if (static_cast<uint32_t>(largeTable_[pos] >> 32) == key)
      return static_cast<uint32_t>(largeTable_[pos] & 0xFFFFFFFFu) - 1;
    pos = (pos + 1) & mask;
  }
  const uint32_t slot = NewSlot(key, value);
  largeTable_[pos] = (static_cast<uint64_t>(key) << 32) | (slot + 1);
  largeUsed_.push_back(pos);
  if (largeUsed_.size() * 2 > largeTable_.size()) GrowLarge();
  return slot;
}

uint32_t FastMonthList::NewSlot(uint32_t key, uint32_t value) {
  slotKey_.push_back(key);
  slotSysId_.push_back(static_cast<int16_t>(identify_.Identify(static_cast<long long>(value))));
  return static_cast<uint32_t>(slotKey_.size() - 1);
}

void FastMonthList::GrowLarge() {
  std::vector<uint64_t> old(largeTable_.size() * 2, 0);
  old.swap(largeTable_);
  ++largeBits_;
  const size_t mask = largeTable_.size() - 1;
  largeUsed_.clear();
  for (const uint64_t e : old) {
    if (e == 0) continue;
    size_t pos = HashPos(static_cast<uint32_t>(e >> 32));
    while (largeTable_[pos] != 0) pos = (pos + 1) & mask;
    largeTable_[pos] = e;
    largeUsed_.push_back(pos);
  }
}

inline void FastMonthList::Push(uint32_t day, uint32_t key1, uint32_t value1, uint32_t key2, uint32_t value2,
                         uint32_t code, bool draw) {
  items_.push_back({static_cast<uint16_t>(Slot(key1, value1)), static_cast<uint16_t>(Slot(key2, value2)),
                    static_cast<uint16_t>(day << 3 | code << 1 | (draw ? 1 : 0))});
}

bool FastMonthList::Add(const MonthResult& r) {
  const auto day = PlainDigits(r.day);
  const auto first = PlainDigits(r.first);
  const auto second = PlainDigits(r.second);
  const auto code = CodeRank(r.code);
  if (r.day.size() != 2 || !day || !first || !second || !code) return false;
  Push(day->value, first->key, first->value, second->key, second->value, *code, r.code == "X");
  return true;
}

bool FastMonthList::AddMonthFile(std::string_view bytes, std::string_view today) {
  const size_t before = items_.size();
  Reserve(items_, before + bytes.size() / 24);
  const bool usualToday = today.size() == 8;
  const uint64_t todayValue = usualToday ? BigEndian8(today.data()) : 0;
  LineScanner s(bytes);
  for (;;) {
    const char* date = nullptr;
    PlainId a, b;
    uint32_t rank = 0;
    bool draw = false;
    if (!s.QuickLine(date, a, b, rank, draw)) {
      if (s.AtEnd()) break;
      if (!s.Date(date) || !s.Id(a) || !s.Id(b) || !s.Code(rank, draw)) {
        // The ids met so far stay in the dictionary; they do no harm.
        items_.resize(before);
        return false;
      }
    }
    // Lines dated after today are not collected.
    if (usualToday ? BigEndian8(date) > todayValue : std::string_view(date, 8) > today) continue;
    Push(static_cast<uint32_t>((date[6] - '0') * 10 + (date[7] - '0')), a.key, a.value, b.key, b.value, rank, draw);
  }
  return true;
}

bool FastMonthList::Sorted(std::vector<RatedEntry>& entries) {
  entries.clear();
  if (items_.empty()) return true;
  // Ranks of the ids in text order: every id of up to 4 digits (a small key)
  // comes before every longer one.
  const unsigned r = std::max(1u, BitWidth(slotKey_.size()));
  if (9 + 2 * r + 23 > 64) return false;
  rank_.resize(slotKey_.size());
  uint32_t* rank = rank_.data();
  uint32_t next = 0;
  for (size_t key = 0; key < SmallKeys; ++key)
    if (smallSlot_[key] >= 0) rank[static_cast<size_t>(smallSlot_[key])] = next++;
  // Longer ids by key, which stays below 2^27 (8 digits); keys differ, so
  // the sort needs no stability of its own.
  large_.clear();
  for (size_t slot = 0; slot < slotKey_.size(); ++slot)
    if (slotKey_[slot] >= SmallKeys) large_.push_back(static_cast<uint64_t>(slotKey_[slot]) << 32 | slot);
  scratch_.resize(std::max(scratch_.size(), large_.size()));
  RadixSort(large_.data(), scratch_.data(), large_.size(), 32, 27, counts_);
  for (const uint64_t e : large_) rank[e & 0xFFFFFFFFu] = next++;

  // One number per result: day, ranks and code on top (the sort key), the two
  // players and the draw below it. The sort is stable, so results of the same
  // key keep the order of adding.
  Reserve(packed_, items_.size());
  Reserve(scratch_, items_.size());
  packed_.resize(items_.size());
  scratch_.resize(items_.size());
  for (size_t i = 0; i < items_.size(); ++i) {
    const Raw& x = items_[i];
    const uint64_t key = ((static_cast<uint64_t>(x.dayCode >> 3) << r | rank[x.first]) << r | rank[x.second]) << 2 |
                         ((x.dayCode >> 1) & 3);
    packed_[i] = key << 23 | static_cast<uint64_t>(slotSysId_[x.first]) << 12 |
                 static_cast<uint64_t>(slotSysId_[x.second]) << 1 | (x.dayCode & 1);
  }
  RadixSort(packed_.data(), scratch_.data(), packed_.size(), 23, 9 + 2 * r, counts_);

  Reserve(entries, packed_.size());
  const unsigned dayShift = 23 + 2 + 2 * r;
  uint64_t currentDay = packed_.front() >> dayShift;
  for (const uint64_t x : packed_) {
    const uint64_t day = x >> dayShift;
    entries.push_back({static_cast<int16_t>((x >> 12) & 0x7FF), static_cast<int16_t>((x >> 1) & 0x7FF), (x & 1) != 0,
                       day != currentDay});
    currentDay = day;
  }
  return true;
}

}  // namespace hrs
