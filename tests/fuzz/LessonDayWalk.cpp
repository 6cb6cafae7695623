#include "LessonDayWalk.h"

#include "classroom/ClassResultsExport.h"
#include "classroom/ClassSummaryText.h"

void walkLessonDay(const classroom::LessonDaySources& sources, const std::string& scratch) {
    for (const auto rule :
         {classroom::DuplicateRule::CountOnce, classroom::DuplicateRule::CountEveryFile}) {
        const classroom::LessonDay day = sources.combine(rule);
        for (const auto& c : day.classes)
            classroom::summaryText(c.summary, c.source);
        classroom::summaryText(day.total, scratch);
        classroom::combinationList(day.total.combinationsUsed);
        classroom::writeLessonDayCsv(scratch + "/lesson-day.csv", day);
    }
}
