// libFuzzer entry for the students' files as the teacher's window reads them: the input is put
// into a class folder as a student's mass histogram, as the same student's lifetime results (in
// a subfolder) and as a ROOT file of another name (which may be a class export), then the folder
// is scanned, checked, decoded, added up and summarised as the window does. A class that adds up
// is exported and must read back with the same students.
// Anything else than an orderly result (a crash, a sanitizer report, an exception, a time-out,
// an export that does not read back) is a finding.
#include "FuzzScratchFolder.h"
#include "LessonDayWalk.h"

#include "classroom/ClassExport.h"
#include "classroom/LessonDaySources.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzScratchFolder scratch("student-files");
    const std::string folder = scratch.freshFolder("class");
    FuzzScratchFolder::write(folder + "/MassHistogram_8_Ana_Lopez_10.root", data, size);
    FuzzScratchFolder::write(folder + "/usb/D0Lifetime_8_Ana_Lopez_10.root", data, size);
    FuzzScratchFolder::write(folder + "/handed-in.root", data, size);

    classroom::LessonDaySources sources;
    sources.addFolder(folder, {"School", "7b", "Monday"});
    sources.rescan();
    walkLessonDay(sources, scratch.path());

    const classroom::LessonDay day = sources.combine(classroom::DuplicateRule::CountOnce);
    for (const auto& c : day.classes) {
        if (c.fromExport)
            continue;
        const std::string exported = scratch.path() + "/" + c.label.exportFileName();
        classroom::writeClassExport(exported, c.summary, c.label, 1);
        const classroom::ClassExportRead back = classroom::readClassExport(exported);
        if (!back.content || back.content->students.size() != c.summary.students.size()) {
            std::fprintf(stderr, "the class export does not read back: %s\n", back.detail.c_str());
            std::abort();
        }
    }
    return 0;
}
