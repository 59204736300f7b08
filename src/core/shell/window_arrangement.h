#pragma once
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/dialogs.h"
#include "core/data/failure.h"

namespace hrs {

// Where a window was last left, in twips (15 twips to a pixel at 96 dpi).
// A value that was not a number in the file is kept as "none".
struct WindowPlace {
  std::string name;  // empty: a free entry
  std::optional<int> left;
  std::optional<int> top;
};

// The window arrangement: "by user" puts every child window back where the
// user last left it, "by default" lets each window use its own place. It is
// stored in the file hrs_k beside the program.
struct WindowArrangement {
  static constexpr int Entries = 40;
  static constexpr int UsedEntries = 39;  // the last entry is never filled

  bool byUser = false;
  // The caption of the File menu item; the loader and the toggle word it
  // differently, and the program shows whichever spoke last.
  std::string caption = "Window arrangement by user";
  std::array<WindowPlace, Entries> places;

  // Where the named window goes when it becomes active; nothing when the
  // arrangement is by default or the window has no remembered place.
  std::optional<WindowPlace> PlaceFor(std::string_view name) const;

  // Stores where a window was when it closed. Nothing is stored by default,
  // for a minimized or maximized window, or when all 39 entries are taken.
  void Remember(std::string_view name, int left, int top, bool normalState);

  // Inverts the mode; returns the message to show.
  std::string Toggle();
};

inline constexpr const char* ArrangementFile = "hrs_k";

// Fills the arrangement from the bytes of hrs_k. Unreadable or damaged
// content leaves the mode by default; entries read before a damaged one are
// kept, as the file is read front to back.
void ParseArrangement(std::string_view bytes, WindowArrangement& arrangement);
std::string ArrangementBytes(const WindowArrangement& arrangement);

// The start-up load: a missing file keeps the designed state.
void LoadArrangement(const std::filesystem::path& file, WindowArrangement& arrangement);
// Rewrites hrs_k whole; the reason on failure.
Failure SaveArrangement(const std::filesystem::path& file, const WindowArrangement& arrangement);

// The File menu command: toggles the mode and tells the operator.
void ToggleArrangement(WindowArrangement& arrangement, Dialogs& dialogs);

// Screen units of the arrangement and of the windows' default places.
inline constexpr int TwipsPerPixel = 15;
inline int TwipsToPixels(int twips) { return (twips + (twips >= 0 ? TwipsPerPixel / 2 : -TwipsPerPixel / 2)) / TwipsPerPixel; }
inline int PixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

}  // namespace hrs
