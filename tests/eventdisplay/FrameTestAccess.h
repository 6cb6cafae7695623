#pragma once

#include "Canvas.h"
#include "Frame.h"
#include "analysis/Hist1D.h"

// Reads the private state of a Frame in tests.
class FrameTestAccess {
public:
    explicit FrameTestAccess(Frame& frame) : f(frame) {}

    int counter() const { return f.counter; }
    int nb() const { return f.nb; }
    int checked() const { return f.checked; }
    int checkedTrans() const { return f.checked_trans; }
    int zoomBool() const { return f.zoomBool; }
    std::array<double, 3> center() const { return f.center; }
    const std::map<int, VxLumoTrack>& particles() const { return f.particles; }
    const std::vector<VxLumoTrack>& array() const { return f.array; }
    const VxLumoTrack& selected() const { return f.selected; }
    const QString& fileName() const { return f.fileName; }
    const QString& histName() const { return f.histName; }
    const std::vector<std::pair<int, unsigned>>& volumeTrans() const { return f.fVolumeTrans; }
    unsigned mainFrameHeight() const { return f.mainFrameHeight; }
    const VxLumoTrack& myParticle1() const { return f.myParticle1; }
    const VxLumoTrack& myParticle2() const { return f.myParticle2; }
    int particleCount() const { return f.particleCount; }
    int flag() const { return f.flag; }
    float res() const { return f.res; }
    bool eventDone(int event) const { return f.eventsDone[event]; }
    const analysis::Hist1D& a() const { return *f.a; }
    vexel::Canvas* histCanvas() const { return f.fHistCanvas; }
    unsigned mainFrameWidth() const { return f.mainFrameWidth; }
    QString message(const char* which) const {
        const std::string w = which;
        if (w == "e1")
            return f.e1;
        if (w == "e2")
            return f.e2;
        if (w == "e3")
            return f.e3;
        if (w == "e4")
            return f.e4;
        if (w == "h1")
            return f.h1;
        if (w == "h2")
            return f.h2;
        if (w == "h3_a")
            return f.h3_a;
        return f.h3_b;
    }

private:
    Frame& f;
};
