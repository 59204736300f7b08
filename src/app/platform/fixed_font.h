#pragma once
#include <QFont>
#include <QString>
#include <string>

namespace hrs::app {

// The fixed-pitch font of every list, grid and printout: "Courier" 10, which
// resolves to a face with Courier's metrics (Liberation Mono where
// fonts-liberation is installed). No style hint and no setFixedPitch: either
// turns it into another family.
inline constexpr int ListPointSize = 10;
QFont ListFont();

// The small proportional font of the grids, whose narrow columns hold four
// figures: "Arial" 8 (Liberation Sans where fonts-liberation is installed).
QFont GridFont();

// A family the system names ("Courier", "Courier New", or one chosen in the
// font dialog) at a size, regular: the Courier names give ListFont's face.
QFont FixedFont(const std::string& family, int pointSize = ListPointSize);

// The family that a name resolves to on this machine ("Courier": "Liberation
// Mono"), so that the font dialog, which lists real families only, can
// select it.
QString ResolvedFamily(const std::string& family);

// What the font dialog opens on for a family and size: the resolved family,
// regular, that size.
QFont FontDialogPreset(const std::string& family, int pointSize);

}  // namespace hrs::app
