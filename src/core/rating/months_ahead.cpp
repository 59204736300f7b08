#include "core/rating/months_ahead.h"

#include <algorithm>

namespace hrs {

MonthsAhead::MonthsAhead(int firstMonth, int lastMonth, int threads, Reader read, const PlayerIdentifier& identify)
    : first_(firstMonth),
      last_(lastMonth),
      read_(std::move(read)),
      identify_(identify),
      inOrder_(identify),
      slots_(static_cast<size_t>(std::max(0, lastMonth - firstMonth + 1))),
      next_(firstMonth) {
  const int months = lastMonth - firstMonth + 1;
  threads = std::min(threads, months);
  try {
    for (int i = 0; i < threads; ++i) workers_.emplace_back([this] { Work(); });
  } catch (const std::system_error&) {
    // No thread to be had: the months already handed out are read, the rest
    // are read in order as they are taken.
  }
}

MonthsAhead::~MonthsAhead() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  for (auto& w : workers_) w.join();
}

void MonthsAhead::Work() {
  FastMonthList fast(identify_);
  for (;;) {
    int month;
    {
      std::lock_guard lock(mutex_);
      if (stop_ || next_ > last_) return;
      month = next_++;
    }
    Slot slot;
    try {
      slot.entries = read_(month, &fast, slot.collected);
    } catch (...) {
      slot.error = std::current_exception();
    }
    {
      std::lock_guard lock(mutex_);
      slot.ready = true;
      slots_[static_cast<size_t>(month - first_)] = std::move(slot);
    }
    ready_.notify_all();
  }
}

std::vector<RatedEntry> MonthsAhead::Take(int month, long long& collected) {
  Slot slot;
  {
    std::unique_lock lock(mutex_);
    if (workers_.empty() || (month >= next_ && next_ <= last_)) {
      // Not handed to a worker: read it here.
      if (month >= next_) next_ = month + 1;
      lock.unlock();
      return read_(month, &inOrder_, collected);
    }
    Slot& waiting = slots_[static_cast<size_t>(month - first_)];
    ready_.wait(lock, [&waiting] { return waiting.ready; });
    slot = std::move(waiting);
  }
  if (slot.error) std::rethrow_exception(slot.error);
  collected += slot.collected;
  return std::move(slot.entries);
}

int ReadingThreads() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores > 1 ? static_cast<int>(std::min(cores - 1, 4u)) : 0;
}

}  // namespace hrs
