#pragma once

#include "rootio/TrackRecord.h"

#include <vector>

namespace rootio {

class WriteBuffer;

// One entry of the "event" branch: a TObjArray of VxLumoTrack (class version 1), preceded by
// the class name as a TLeafObject with fVirtual writes it.
namespace trackrecordwriter {

void writeEventEntry(WriteBuffer& b, const std::vector<TrackRecord>& tracks);
void writeTrack(WriteBuffer& b, const TrackRecord& t);

} // namespace trackrecordwriter
} // namespace rootio
