#pragma once
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/rating/fast_month_list.h"
#include "core/rating/month_list.h"

namespace hrs {

// What a reading thread keeps from month to month, so that the next month
// needs no new memory.
struct MonthScratch {
  explicit MonthScratch(const PlayerIdentifier& identify) : list(identify) {}
  FastMonthList list;
  std::string file;
};

// Reads the months of a calculation ahead of the rating: a month's list does
// not depend on the ratings, so other cores can read and sort the next
// months while the current one is rated. The rating itself takes them in
// order, one by one, and reads the next month itself rather than wait.
class MonthsAhead {
 public:
  // Puts the month's list in rating order into entries (whose memory it may
  // reuse) and adds its size to collected.
  using Reader = std::function<void(int month, MonthScratch& scratch, std::vector<RatedEntry>& entries,
                                    long long& collected)>;

  // threads 0: every month is read when it is taken, on the calling thread.
  MonthsAhead(int firstMonth, int lastMonth, int threads, Reader read, const PlayerIdentifier& identify);
  ~MonthsAhead();
  MonthsAhead(const MonthsAhead&) = delete;
  MonthsAhead& operator=(const MonthsAhead&) = delete;

  // The month's list in rating order, valid until the next Take; adds its
  // size to collected. Months are taken in order from the first.
  const std::vector<RatedEntry>& Take(int month, long long& collected);

 private:
  struct Slot {
    std::vector<RatedEntry> entries;
    long long collected = 0;
    bool ready = false;
    std::exception_ptr error;
  };
  void Work();
  // Reads the next month nobody has taken yet into its slot; false when
  // there is none. Called and returns with the lock held.
  bool ReadNext(std::unique_lock<std::mutex>& lock, MonthScratch& scratch);

  int first_, last_;
  Reader read_;
  const PlayerIdentifier& identify_;
  MonthScratch own_;
  std::vector<Slot> slots_;
  // The list last taken, and lists rated already whose memory the next
  // months reuse: fresh memory costs a page fault per page.
  std::vector<RatedEntry> taken_;
  std::vector<std::vector<RatedEntry>> spare_;
  int next_;
  bool stop_ = false;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<std::thread> workers_;
};

// The threads that read ahead: the machine's cores but the one that rates.
int ReadingThreads();

}  // namespace hrs
