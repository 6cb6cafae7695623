#pragma once

#include <QByteArrayList>

struct QMetaObject;

// The classes reached by name, in registration order: launcher, TVSDReader, VxLumoTrack and
// Frame. Their meta-objects hold the constructors, slots and methods callable by name.
namespace SlotDict {

QByteArrayList classNames();
// The meta-object of a registered class; nullptr for any other name.
const QMetaObject* findClass(const char* name);

} // namespace SlotDict
