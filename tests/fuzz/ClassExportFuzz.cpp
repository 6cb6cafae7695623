// libFuzzer entry for a class export as the teacher's window reads it: the input is given as an
// export of its own and is found a second time in a folder where exports are collected, then the
// lesson day is read, combined and summarised as the window does.
// Anything else than an orderly result (a crash, a sanitizer report, an exception, a time-out)
// is a finding.
#include "FuzzScratchFolder.h"
#include "LessonDayWalk.h"

#include "classroom/LessonDaySources.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzScratchFolder scratch("class-export");
    const std::string given = scratch.freshFolder("given") + "/class.root";
    const std::string collected = scratch.freshFolder("collected");
    FuzzScratchFolder::write(given, data, size);
    FuzzScratchFolder::write(collected + "/School_7b_Monday.root", data, size);

    classroom::LessonDaySources sources;
    sources.addExport(given);
    sources.addFolder(collected, {});
    sources.rescan();
    walkLessonDay(sources, scratch.path());
    return 0;
}
