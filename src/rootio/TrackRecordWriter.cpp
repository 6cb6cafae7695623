#include "rootio/TrackRecordWriter.h"

#include "rootio/WriteBuffer.h"

namespace rootio {
namespace trackrecordwriter {

void writeTrack(WriteBuffer& b, const TrackRecord& t) {
    const auto slot = b.openObjectSlot("VxLumoTrack");
    const auto bc = b.openByteCount();
    b.i16(1);
    b.tobject();
#define VXLUMO_WRITE_NUMBER(member, initial, title) b.f64(t.member);
    VXLUMO_TRACK_LEADING_NUMBERS(VXLUMO_WRITE_NUMBER)
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
    VXLUMO_TRACK_TRAILING_NUMBERS(VXLUMO_WRITE_NUMBER)
#undef VXLUMO_WRITE_NUMBER
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
