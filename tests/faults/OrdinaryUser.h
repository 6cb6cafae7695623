#pragma once

#include <QString>

namespace vexel::test {

// The running test's case again in a child process of this test program, as a school account
// would run it: as the unprivileged user "nobody" (uid and gid 65534, no other groups) when
// this process is root, else as the current user. Root only makes the child's home and
// temporary folders and removes them. With smallDiskBytes, the child's smallDisk() is a
// filesystem of that size mounted for it in a mount namespace of its own.
//
// Returns true in the parent, which has run the child and reported its result: the test
// returns then. Returns false in the child, which runs the case.
//   if (vexel::test::ranAsOrdinaryUser()) return;
bool ranAsOrdinaryUser(long long smallDiskBytes = 0);

// In the child: the small filesystem asked for (empty without one).
QString smallDisk();

} // namespace vexel::test
