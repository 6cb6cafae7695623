#include "SlotDict.h"

#include "Frame.h"
#include "RegisteredTrack.h"
#include "Vexel_D0_Exercise.h"
#include "launcher.h"

#include <QMetaObject>
#include <array>
#include <cstring>
#include <utility>

namespace {

using Entry = std::pair<const char*, const QMetaObject*>;

const std::array<Entry, 4>& entries() {
    static const std::array<Entry, 4> registered{{
        {"launcher", &launcher::staticMetaObject},
        {"TVSDReader", &TVSDReader::staticMetaObject},
        {"VxLumoTrack", &RegisteredTrack::staticMetaObject},
        {"Frame", &Frame::staticMetaObject},
    }};
    return registered;
}

} // namespace

namespace SlotDict {

QByteArrayList classNames() {
    QByteArrayList names;
    for (const Entry& e : entries())
        names << e.first;
    return names;
}

const QMetaObject* findClass(const char* name) {
    for (const Entry& e : entries())
        if (name && std::strcmp(e.first, name) == 0)
            return e.second;
    return nullptr;
}

} // namespace SlotDict
