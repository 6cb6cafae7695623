#include "EventFile.h"

#include "rootio/Error.h"

#include <algorithm>
#include <iostream>

EventFile::EventFile(const std::string& path) : reader_(path) {
    if (!reader_.has("MCEvent"))
        throw rootio::Error(path, "no tree \"MCEvent\"");
    entries_ = reader_.treeEntries("MCEvent");
    events_ = static_cast<int>(std::min<long long>(entries_, maxEvents));
    if (entries_ > maxEvents)
        std::cerr << path << " holds " << entries_ << " events; only the first " << maxEvents
                  << " are shown" << std::endl;
}

std::vector<rootio::TrackRecord> EventFile::readEvent(int index) const {
    return reader_.readEvent("MCEvent", index);
}
