#include "FrameTrackColours.h"

#include "BasicRandom.h"

#include <algorithm>

QColor trackPaletteColour(int index) {
    index = std::clamp(index, 0, trackPaletteSize - 1);
    // Ten hues, five shades each: saturated and dark enough for a white background.
    const int hue = (index % 10) * 36;
    static const int saturation[5] = {255, 200, 255, 160, 255};
    static const int value[5] = {200, 150, 120, 110, 230};
    const int shade = index / 10;
    return QColor::fromHsv(hue, saturation[shade], value[shade]);
}

bool listedTrackColour(const std::string& particle, QColor* colour) {
    if (particle == "pi+")
        *colour = QColor(255, 0, 255); // magenta
    else if (particle == "pi-")
        *colour = QColor(255, 0, 0); // red
    else if (particle == "K-")
        *colour = QColor(0, 153, 0); // dark green
    else if (particle == "K+")
        *colour = QColor(0, 0, 255); // blue
    else if (particle == "D0")
        *colour = QColor(0, 0, 0); // black
    else
        return false;
    return true;
}

QColor trackColour(const std::string& particle, vexel::BasicRandom& random, int paletteSize) {
    QColor colour;
    if (listedTrackColour(particle, &colour))
        return colour;
    return trackPaletteColour(static_cast<int>(random.next() * paletteSize));
}

QColor hintColour(const std::string& particle) {
    QColor colour;
    if (listedTrackColour(particle, &colour))
        return colour;
    return trackPaletteColour(0);
}
