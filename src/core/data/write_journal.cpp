#include "core/data/file_change.h"
#include "core/data/file_io.h"
#include "core/data/transaction_names.h"
#include "core/data/write_steps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <system_error>

namespace hrs {

namespace fs = std::filesystem;
using namespace write_steps;

namespace {

constexpr const char* JournalName = ".hrs-replacing";
constexpr const char* UndoMark = "undo";
constexpr const char* CompleteMark = "complete";

// One line of the journal. replace: target, temporary, kept old (empty when
// the target was not there); append: target and its size before ("" when
// it was not there); rename: from, to.
struct Entry {
  enum Kind { Replace, Append, Rename } kind = Replace;
  fs::path a, b, c;
  std::string size;
};

struct Journal {
  bool undo = false;
  std::vector<Entry> entries;
};

fs::path DirOf(const fs::path& path) { return path.has_parent_path() ? path.parent_path() : fs::path("."); }

// A file of the data folder by its name; one elsewhere (a link's target) by
// its whole path.
std::string JournalPath(const fs::path& dir, const fs::path& path) {
  if (path.empty()) return {};
  if (DirOf(path) == dir) return path.filename().string();
  std::error_code ec;
  return fs::absolute(path, ec).lexically_normal().string();
}

std::optional<fs::path> FromJournal(const fs::path& dir, const std::string& text) {
  if (text.empty()) return fs::path();
  if (text.find('/') == std::string::npos) return dir / text;
  const fs::path p(text);
  if (!p.is_absolute()) return std::nullopt;
  return p;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string JournalBytes(const fs::path& dir, const Journal& journal) {
  std::string out = Quoted(journal.undo ? UndoMark : CompleteMark) + "\r\n";
  for (const auto& e : journal.entries) {
    const char* kind = e.kind == Entry::Replace ? "replace" : e.kind == Entry::Append ? "append" : "rename";
    const std::string second = e.kind == Entry::Append ? e.size : JournalPath(dir, e.b);
    out += Quoted(kind) + "," + Quoted(JournalPath(dir, e.a)) + "," + Quoted(second) + "," +
           Quoted(JournalPath(dir, e.c)) + "\r\n";
  }
  return out;
}

std::vector<std::string> QuotedValues(const std::string& line) {
  std::vector<std::string> v;
  for (size_t q = line.find('"'); q != std::string::npos; q = line.find('"', q + 1)) {
    const size_t close = line.find('"', q + 1);
    if (close == std::string::npos) break;
    v.push_back(line.substr(q + 1, close - q - 1));
    q = close;
  }
  return v;
}

// A journal of an earlier version holds replace lines of three values.
Journal ParseJournal(const fs::path& dir, const std::string& bytes) {
  Journal journal;
  size_t pos = 0;
  while (pos < bytes.size()) {
    size_t end = bytes.find('\n', pos);
    if (end == std::string::npos) end = bytes.size();
    auto v = QuotedValues(bytes.substr(pos, end - pos));
    pos = end + 1;
    if (v.size() == 1) {
      journal.undo = v[0] == UndoMark;
      continue;
    }
    if (v.size() == 3) v.insert(v.begin(), "replace");
    if (v.size() != 4 || v[1].empty()) continue;
    Entry e;
    e.kind = v[0] == "replace" ? Entry::Replace : v[0] == "append" ? Entry::Append : Entry::Rename;
    if (e.kind == Entry::Rename && v[0] != "rename") continue;
    const auto a = FromJournal(dir, v[1]);
    const auto b = e.kind == Entry::Append ? std::optional<fs::path>(fs::path()) : FromJournal(dir, v[2]);
    const auto c = FromJournal(dir, v[3]);
    if (!a || !b || !c) continue;
    if (e.kind == Entry::Append && v[2].find_first_not_of("0123456789") != std::string::npos) continue;
    e.a = *a;
    e.b = *b;
    e.c = *c;
    e.size = e.kind == Entry::Append ? v[2] : std::string();
    journal.entries.push_back(std::move(e));
  }
  return journal;
}

bool Exists(const fs::path& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// Puts every file back as it was before the change, last step first. False
// when something could not be put back (the journal then stays for the next run).
bool UndoEntries(const std::vector<Entry>& entries) {
  bool undone = true;
  for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
    const Entry& e = *it;
    switch (e.kind) {
      case Entry::Replace:
        if (!e.c.empty()) {
          // Still the same file as the target when it was not replaced yet:
          // the rename does nothing then, and the extra name goes.
          if (Exists(e.c)) undone = ::rename(e.c.c_str(), e.a.c_str()) == 0 && undone;
          ::unlink(e.c.c_str());
        } else if (!e.b.empty() && !Exists(e.b) && Exists(e.a)) {
          undone = ::unlink(e.a.c_str()) == 0 && undone;  // put in place, and not there before
        }
        if (!e.b.empty()) ::unlink(e.b.c_str());
        break;
      case Entry::Append:
        if (e.size.empty()) {
          if (Exists(e.a)) undone = ::unlink(e.a.c_str()) == 0 && undone;
        } else {
          struct stat st {};
          const off_t size = static_cast<off_t>(std::strtoll(e.size.c_str(), nullptr, 10));
          if (::stat(e.a.c_str(), &st) == 0 && st.st_size > size) undone = ::truncate(e.a.c_str(), size) == 0 && undone;
        }
        break;
      case Entry::Rename:
        if (!Exists(e.a) && Exists(e.b)) undone = ::rename(e.b.c_str(), e.a.c_str()) == 0 && undone;
        break;
    }
  }
  return undone;
}

// Puts in place what was complete before the journal was written.
void CompleteEntries(const std::vector<Entry>& entries) {
  for (const auto& e : entries) {
    switch (e.kind) {
      case Entry::Replace:
        if (!e.b.empty() && Exists(e.b)) ::rename(e.b.c_str(), e.a.c_str());
        if (!e.c.empty()) ::unlink(e.c.c_str());
        break;
      case Entry::Append:
        break;  // never in a journal that is completed
      case Entry::Rename:
        if (Exists(e.a) && !Exists(e.b)) ::rename(e.a.c_str(), e.b.c_str());
        break;
    }
  }
}

void RemoveAll(const std::vector<fs::path>& paths) {
  for (const auto& p : paths)
    if (!p.empty()) ::unlink(p.c_str());
}

std::string NameList(const std::vector<std::string>& names) {
  std::string list;
  for (size_t i = 0; i < names.size(); ++i) list += (i ? (i + 1 == names.size() ? " and " : ", ") : "") + names[i];
  return list;
}

// Our scratch name (see ScratchName) left by a run that no longer runs.
bool LeftByKilledRun(const std::string& name) {
  if (name.size() < 2 || name[0] != '.') return false;
  size_t at = name.rfind(".tmp");
  constexpr size_t kindLength = 4;
  if (at == std::string::npos || at == 0) {
    at = name.rfind(".old");
    if (at == std::string::npos || at == 0) return false;
  }
  const std::string rest = name.substr(at + kindLength);
  const size_t us = rest.find('_');
  if (us == std::string::npos || us == 0 || us + 1 >= rest.size()) return false;
  if (rest.find_first_not_of("0123456789_") != std::string::npos) return false;
  const long pid = std::strtol(rest.substr(0, us).c_str(), nullptr, 10);
  return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM;
}

}  // namespace

Failure ChangeFilesTogether(const FileChange& change) {
  const fs::path* first = !change.rewrites.empty()  ? &change.rewrites[0].path
                          : !change.appends.empty() ? &change.appends[0].path
                          : !change.renames.empty() ? &change.renames[0].first
                                                    : nullptr;
  if (!first) return std::nullopt;
  const fs::path dir = DirOf(*first);
  // A file the operator protected stops the change before anything is written.
  for (const auto& f : change.rewrites)
    if (auto refused = ReadOnlyRefusal(f.path, "Cannot replace")) return refused;
  for (const auto& f : change.appends)
    if (auto refused = ReadOnlyRefusal(f.path, "Cannot write")) return refused;
  for (const auto& [from, to] : change.renames)
    if (auto refused = ReadOnlyRefusal(from, "Cannot rename")) return refused;

  Journal journal;
  journal.undo = !change.appends.empty();
  std::vector<fs::path> scratch;
  // What is written but not yet flushed and closed, with the file it is for.
  std::vector<std::pair<int, fs::path>> open;
  auto fail = [&](std::string why) {
    for (const auto& [fd, path] : open) ::close(fd);
    open.clear();
    RemoveAll(scratch);
    return why;
  };
  // Every copy is written before the first is flushed: the first flush then
  // takes the others' blocks to the disk with it, and theirs cost little.
  auto writeCopy = [&](const fs::path& target, const fs::path& tmp,
                       std::string_view bytes) -> std::optional<std::string> {
    const int fd = OpenFile(tmp, O_WRONLY | O_CREAT | O_EXCL);
    if (fd < 0) return fail(ErrnoText("Cannot create", tmp));
    scratch.push_back(tmp);
    open.emplace_back(fd, target);
    if (!WriteAll(fd, bytes)) return fail(ErrnoText("Cannot write", target));
    return std::nullopt;
  };
  for (const auto& f : change.rewrites) {
    const fs::path target = RewriteTarget(f.path);
    const fs::path tmp = ScratchName(target, ".tmp");
    if (auto why = writeCopy(target, tmp, f.bytes)) return why;
    journal.entries.push_back({Entry::Replace, target, tmp, fs::path(), {}});
  }
  // The old files stay reachable until every new one is in place.
  for (auto& e : journal.entries) {
    if (!FileExists(e.a)) continue;
    const fs::path old = ScratchName(e.a, ".old");
    if (!LinkFile(e.a, old)) return fail(ErrnoText("Cannot keep", e.a));
    e.c = old;
    scratch.push_back(old);
  }
  for (const auto& f : change.appends) {
    struct stat st {};
    const bool there = ::stat(f.path.c_str(), &st) == 0;
    journal.entries.push_back({Entry::Append, f.path, {}, {}, there ? std::to_string(st.st_size) : std::string()});
  }
  for (const auto& [from, to] : change.renames) journal.entries.push_back({Entry::Rename, from, to, {}, {}});

  const fs::path journalPath = dir / JournalName;
  const fs::path journalCopy = ScratchName(journalPath, ".tmp");
  if (auto why = writeCopy(journalPath, journalCopy, JournalBytes(dir, journal))) return why;
  if (const int failed = FlushAll(open); failed >= 0)
    return fail(ErrnoText("Cannot write", open[static_cast<size_t>(failed)].second));
  while (!open.empty()) {
    const auto [fd, path] = open.back();
    open.pop_back();
    if (!CloseFile(fd)) return fail(ErrnoText("Cannot write", path));
  }
  // Keep the permissions the operator gave the old files.
  for (const auto& e : journal.entries) {
    struct stat st {};
    if (e.kind == Entry::Replace && ::stat(e.a.c_str(), &st) == 0) ::chmod(e.b.c_str(), st.st_mode & 07777);
  }
  // Every new file is on the disk before the journal says so.
  if (!RenameFile(journalCopy, journalPath)) return fail(ErrnoText("Cannot replace", journalPath));
  scratch.pop_back();

  // From here a failure puts every file back; when even that fails the
  // journal stays, and the next run finishes the work.
  auto undo = [&](std::string why) {
    for (const auto& [fd, path] : open) ::close(fd);
    open.clear();
    if (UndoEntries(journal.entries)) {
      RemoveAll(scratch);
      ::unlink(journalPath.c_str());
    }
    return why;
  };
  if (journal.undo) {
    for (const auto& f : change.appends) {
      const int fd = OpenFile(f.path, O_RDWR | O_CREAT | O_APPEND);
      if (fd < 0) return undo(ErrnoText("Cannot open", f.path));
      open.emplace_back(fd, f.path);
      if (f.bytes.empty()) continue;
      // A file whose last line lost its line break (an editor) would run
      // that line and the new one together.
      struct stat st {};
      char last = '\n';
      std::string_view bytes = f.bytes;
      std::string joined;
      if (::fstat(fd, &st) == 0 && st.st_size > 0 && ::pread(fd, &last, 1, st.st_size - 1) == 1 && last != '\n') {
        joined = "\r\n" + f.bytes;
        bytes = joined;
      }
      if (!WriteAll(fd, bytes)) return undo(ErrnoText("Cannot write", f.path));
    }
    if (const int failed = FlushAll(open); failed >= 0)
      return undo(ErrnoText("Cannot write", open[static_cast<size_t>(failed)].second));
    while (!open.empty()) {
      const auto [fd, path] = open.back();
      open.pop_back();
      if (!CloseFile(fd)) return undo(ErrnoText("Cannot write", path));
    }
  }
  for (const auto& e : journal.entries) {
    if (e.kind == Entry::Replace && !RenameFile(e.b, e.a)) return undo(ErrnoText("Cannot replace", e.a));
    if (e.kind == Entry::Rename && !RenameFile(e.a, e.b)) return undo(ErrnoText("Cannot rename", e.a));
  }
  // A change that is undone when killed is done once its journal is gone.
  if (journal.undo && !RemoveFile(journalPath)) return undo(ErrnoText("Cannot remove", journalPath));
  ::unlink(journalPath.c_str());
  for (const auto& e : journal.entries)
    if (e.kind == Entry::Replace && !e.c.empty()) ::unlink(e.c.c_str());
  return std::nullopt;
}

Failure WriteFilesTogether(const std::vector<FileContent>& files) { return ChangeFilesTogether({files, {}, {}}); }

std::optional<std::string> InterruptedChangeNotice(const fs::path& dir) {
  const auto bytes = ReadWholeFile(dir / JournalName);
  if (!bytes) return std::nullopt;
  const Journal journal = ParseJournal(dir, *bytes);
  if (journal.entries.empty()) return std::nullopt;
  return std::string("The last change of the data files was interrupted and will be ") +
         (journal.undo ? "undone" : "completed") + " by the next command that writes.";
}

std::optional<std::string> FinishInterruptedWrites(const fs::path& dir) {
  std::optional<std::string> told;
  const fs::path journalPath = dir / JournalName;
  if (auto bytes = ReadWholeFile(journalPath)) {
    const Journal journal = ParseJournal(dir, *bytes);
    std::vector<std::string> names;
    for (const auto& e : journal.entries) names.push_back(e.a.filename().string());
    bool finished = true;
    if (journal.undo) finished = UndoEntries(journal.entries);
    else CompleteEntries(journal.entries);
    if (finished) ::unlink(journalPath.c_str());
    if (!names.empty() && journal.undo)
      told = "The last change of " + NameList(names) +
             " was interrupted before it was finished; it has now been undone, so the files are as they were "
             "before it.";
    else if (!names.empty())
      told = "The last save of " + NameList(names) +
             " was interrupted; it has now been completed, so the files belong together again.";
  }
  // What killed runs left behind: our scratch names with a process id that
  // no longer runs, the result deletion's copy, and unfinished backup folders.
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec))
    if (LeftByKilledRun(entry.path().filename().string())) ::unlink(entry.path().c_str());
  ::unlink((dir / TransactionScratchFile).c_str());
  for (const auto& entry : fs::directory_iterator(dir / "backup", ec)) {
    if (!LeftByKilledRun(entry.path().filename().string())) continue;
    std::error_code gone;
    fs::remove_all(entry.path(), gone);
  }
  return told;
}

}  // namespace hrs
