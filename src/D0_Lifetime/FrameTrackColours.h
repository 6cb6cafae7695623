#pragma once

#include <QColor>
#include <string>

namespace vexel {
class BasicRandom;
}

// Size of the random-colour palette.
constexpr int trackPaletteSize = 50;

// Entry index (0 .. trackPaletteSize-1) of the random-colour palette; every entry
// is clearly visible on a white background.
QColor trackPaletteColour(int index);

// The colour of a listed particle name ("pi+", "pi-", "K-", "K+", "D0", compared
// exactly); false for any other name.
bool listedTrackColour(const std::string& particle, QColor* colour);

// The colour of a track line: listed names by the table, any other name the
// palette entry int(u * paletteSize) with u the next value of random.
QColor trackColour(const std::string& particle, vexel::BasicRandom& random,
                   int paletteSize = trackPaletteSize);

// The colour of a hint line: listed names by the table, any other name the
// palette's first entry (no random draw).
QColor hintColour(const std::string& particle);
