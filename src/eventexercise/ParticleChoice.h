#pragma once

#include "VxLumoTrack.h"

// Where a picked record goes among the two chosen particles.
enum class SlotChoice {
    TooMany,       // both slots are filled
    AlreadyChosen, // the record is the particle in the other slot
    FirstSlot,
    SecondSlot,
};

// Two records are the same track when they share the name object (both are copies of
// one record of the event) and have equal px and py.
bool sameTrack(const VxLumoTrack& a, const VxLumoTrack& b);

// The slot for `selected`, given the number of chosen particles, whether the first slot
// has been emptied while the second is kept (flag 1), and the records in the slots.
SlotChoice chooseSlot(int particleCount, int flag, const VxLumoTrack& selected,
                      const VxLumoTrack& first, const VxLumoTrack& second);
