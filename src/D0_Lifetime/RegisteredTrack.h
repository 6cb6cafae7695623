#pragma once

#include "VxLumoTrack.h"

#include <QObject>

// The track record as the registry knows it under the name "VxLumoTrack": made and called by
// name through its meta-object. VxLumoTrack itself stays free of Qt for the tools.
class RegisteredTrack {
    Q_GADGET
public:
    Q_INVOKABLE RegisteredTrack() {}
    Q_INVOKABLE explicit RegisteredTrack(const VxLumoTrack& record) : record(record) {}

    VxLumoTrack record;

    Q_INVOKABLE void printTrack() const { record.printTrack(); }
    Q_INVOKABLE static bool compare(VxLumoTrack i, VxLumoTrack j) {
        return VxLumoTrack::compare(i, j);
    }
};
