#pragma once

#include <map>
#include <optional>

// Which sub-pad (1 ... 4) of the trend canvas shows each trend: pads are handed out in the
// order trends are first plotted, then from 1 again.
class D0ExerciseTrendPads {
public:
    // The sub-pad of a trend, given now if it has none.
    unsigned padFor(int id) {
        const auto it = fTrendPadMap.find(id);
        if (it != fTrendPadMap.end())
            return it->second;
        if (fTrendPadNum < 1 || fTrendPadNum > 4)
            fTrendPadNum = 1;
        const unsigned pad = fTrendPadNum++;
        fTrendPadMap[id] = pad;
        return pad;
    }
    std::optional<unsigned> assignedPad(int id) const {
        const auto it = fTrendPadMap.find(id);
        if (it == fTrendPadMap.end())
            return std::nullopt;
        return it->second;
    }
    // The next pad to give out; 0 before the trend canvas was first made.
    unsigned nextPad() const { return fTrendPadNum; }
    // A new trend canvas, or a reset: no pad given, the next one is 1.
    void restart() {
        fTrendPadMap.clear();
        fTrendPadNum = 1;
    }

private:
    std::map<int, unsigned> fTrendPadMap;
    unsigned fTrendPadNum = 0;
};
