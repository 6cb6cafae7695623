#include "ParticleChoice.h"

bool sameTrack(const VxLumoTrack& a, const VxLumoTrack& b) {
    return a.particleId.get() == b.particleId.get() && a.px == b.px && a.py == b.py;
}

SlotChoice chooseSlot(int particleCount, int flag, const VxLumoTrack& selected,
                      const VxLumoTrack& first, const VxLumoTrack& second) {
    if (particleCount >= 2)
        return SlotChoice::TooMany;
    if (particleCount == 0 || flag == 1) {
        // With one particle chosen here, it is the one in the second slot.
        if (particleCount == 1 && sameTrack(selected, second))
            return SlotChoice::AlreadyChosen;
        return SlotChoice::FirstSlot;
    }
    return sameTrack(selected, first) ? SlotChoice::AlreadyChosen : SlotChoice::SecondSlot;
}
