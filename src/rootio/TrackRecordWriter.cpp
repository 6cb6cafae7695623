#include "rootio/TrackRecordWriter.h"

#include "rootio/WriteBuffer.h"

namespace rootio {
namespace trackrecordwriter {

void writeTrack(WriteBuffer& b, const TrackRecord& t) {
    const auto slot = b.openObjectSlot("VxLumoTrack");
    const auto bc = b.openByteCount();
    b.i16(1);
    b.tobject();
    for (double v : {t.mass, t.E, t.px, t.py, t.pz, t.chi2, t.q})
        b.f64(v);
    if (t.hasParticleId) {
        const auto s = b.openObjectSlot("TObjString");
        const auto o = b.openByteCount();
        b.i16(1);
        b.tobject();
        b.string(t.particleId);
        b.closeByteCount(o);
        b.closeByteCount(s);
    } else {
        b.u32(0);
    }
    if (t.hasTrack) {
        // TPointsArray3D's own streamer: version, TObject, point count, x y z per point,
        // option string.
        const auto s = b.openObjectSlot("TPointsArray3D");
        const auto o = b.openByteCount();
        b.i16(1);
        b.tobject();
        b.i32(static_cast<std::int32_t>(t.points.size()));
        for (const auto& p : t.points) {
            b.f32(p[0]);
            b.f32(p[1]);
            b.f32(p[2]);
        }
        b.string("");
        b.closeByteCount(o);
        b.closeByteCount(s);
    } else {
        b.u32(0);
    }
    for (double v : {t.pvx, t.pvy, t.pvz, t.ipchi2, t.ip, t.zFirstMeasurement})
        b.f64(v);
    b.closeByteCount(bc);
    b.closeByteCount(slot);
}

void writeEventEntry(WriteBuffer& b, const std::vector<TrackRecord>& tracks) {
    static const std::string arrayClass = "TObjArray";
    b.u8(static_cast<std::uint8_t>(arrayClass.size()));
    b.cstring(arrayClass);
    const auto bc = b.openByteCount();
    b.i16(3);
    b.tobject();
    b.string("");
    b.i32(static_cast<std::int32_t>(tracks.size()));
    b.i32(0);
    for (const auto& t : tracks)
        writeTrack(b, t);
    b.closeByteCount(bc);
}

} // namespace trackrecordwriter
} // namespace rootio
