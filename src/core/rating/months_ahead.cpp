#include "core/rating/months_ahead.h"

#include <algorithm>

namespace hrs {

MonthsAhead::MonthsAhead(int firstMonth, int lastMonth, int threads, Reader read, const PlayerIdentifier& identify)
    : first_(firstMonth),
      last_(lastMonth),
      read_(std::move(read)),
      identify_(identify),
      own_(identify),
      slots_(static_cast<size_t>(std::max(0, lastMonth - firstMonth + 1))),
      next_(firstMonth) {
  // The calling thread reads too, so the last month needs no worker.
  threads = std::min(threads, lastMonth - firstMonth);
  try {
    for (int i = 0; i < threads; ++i) workers_.emplace_back([this] { Work(); });
  } catch (const std::system_error&) {
    // No thread to be had: the calling thread reads what is left.
  }
}

MonthsAhead::~MonthsAhead() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  for (auto& w : workers_) w.join();
}

bool MonthsAhead::ReadNext(std::unique_lock<std::mutex>& lock, MonthScratch& scratch) {
  if (stop_ || next_ > last_) return false;
  const int month = next_++;
  Slot slot;
  if (!spare_.empty()) {
    slot.entries = std::move(spare_.back());
    spare_.pop_back();
  }
  lock.unlock();
  try {
    read_(month, scratch, slot.entries, slot.collected);
  } catch (...) {
    slot.error = std::current_exception();
  }
  lock.lock();
  slot.ready = true;
  slots_[static_cast<size_t>(month - first_)] = std::move(slot);
  ready_.notify_all();
  return true;
}

void MonthsAhead::Work() {
  MonthScratch scratch(identify_);
  std::unique_lock lock(mutex_);
  while (ReadNext(lock, scratch)) {
  }
}

const std::vector<RatedEntry>& MonthsAhead::Take(int month, long long& collected) {
  Slot slot;
  {
    std::unique_lock lock(mutex_);
    if (taken_.capacity() > 0) spare_.push_back(std::move(taken_));
    Slot& wanted = slots_[static_cast<size_t>(month - first_)];
    // Waiting would leave this core idle: read what nobody has taken yet,
    // which is this month or one that is needed soon.
    while (!wanted.ready && ReadNext(lock, own_)) {
    }
    ready_.wait(lock, [&wanted] { return wanted.ready; });
    slot = std::move(wanted);
  }
  if (slot.error) std::rethrow_exception(slot.error);
  collected += slot.collected;
  taken_ = std::move(slot.entries);
  return taken_;
}

int ReadingThreads() {
  const unsigned cores = std::thread::hardware_concurrency();
  return cores > 1 ? static_cast<int>(std::min(cores - 1, 4u)) : 0;
}

}  // namespace hrs
