#include "EventExercise.h"

#include "DataFiles.h"
#include "InvariantMass.h"
#include "MassHistogram.h"
#include "PickKey.h"
#include "rootio/Error.h"

#include <utility>

namespace {

// The longest file name (bytes, without the directory) the file systems in use take.
constexpr std::size_t longestFileName = 255;

} // namespace

EventExercise::EventExercise(std::string student)
    : student_(std::move(student)), hist_(makeMassHistogram()) {}

void EventExercise::restart() {
    counter_ = 0;
    resetChoice();
    eventsDone_.assign(eventsDone_.size(), false);
    hist_ = makeMassHistogram();
    unsaved_ = false;
}

EventExercise::DataSet EventExercise::openDataSet(int combination) {
    combination_ = combination <= 0 ? 1 : combination;
    eventFilePath_ = DataFiles::locate(DataFiles::eventFile(combination_));
    histogramFileTail_ = std::to_string(combination_) + "_" + student_ + ".root";
    file_.reset();
    eventsDone_.clear();
    records_.clear();
    recordsByKey_.clear();
    counter_ = 0;
    problem_.clear();
    try {
        file_ = std::make_unique<EventFile>(eventFilePath_);
    } catch (const rootio::Error& e) {
        problem_ = e.what();
        return DataSet::Unreadable;
    }
    eventsDone_.assign(static_cast<std::size_t>(file_->events()), false);
    return eventsDone_.empty() ? DataSet::NoEvents : DataSet::Opened;
}

bool EventExercise::readEvent() {
    records_.clear();
    if (!file_ || counter_ < 0 || counter_ >= events())
        return true;
    try {
        for (const rootio::TrackRecord& record : file_->readEvent(counter_))
            records_.push_back(VxLumoTrack::fromRecord(record));
    } catch (const rootio::Error& e) {
        records_.clear();
        problem_ = e.what();
        return false;
    }
    for (std::size_t k = 0; k < records_.size(); ++k) {
        const VxLumoTrack& record = records_[k];
        // A record without points has no line to pick it by.
        if (!record.track || record.track->empty())
            continue;
        const VxTrackPoints& points = *record.track;
        if (k == 2)
            centre_ = {points[0][0], points[0][1], points[0][2]};
        recordsByKey_[pickKey(points.front(), points.back())] = record;
    }
    return true;
}

bool EventExercise::eventDone(int event) const {
    return event >= 0 && event < events() && eventsDone_[static_cast<std::size_t>(event)];
}

EventExercise::Move EventExercise::next() {
    if (events() == 0)
        return Move::NoEvents;
    if (counter_ + 1 >= events())
        return Move::LastEventShown;
    counter_ += 1;
    recordsByKey_.clear();
    return Move::Moved;
}

EventExercise::Move EventExercise::back() {
    if (counter_ - 1 < 0)
        return Move::FirstEventShown;
    counter_ -= 1;
    recordsByKey_.clear();
    return Move::Moved;
}

const VxLumoTrack* EventExercise::pick(const std::array<float, 3>& first,
                                       const std::array<float, 3>& last) {
    const auto found = recordsByKey_.find(pickKey(first, last));
    if (found == recordsByKey_.end())
        return nullptr;
    selected_ = found->second;
    return &selected_;
}

EventExercise::Choice EventExercise::saveParticle() {
    Choice choice{chooseSlot(particleCount_, flag_, selected_, myParticle1_, myParticle2_)};
    switch (choice.slot) {
    case SlotChoice::TooMany:
    case SlotChoice::AlreadyChosen:
        return choice;
    case SlotChoice::FirstSlot:
        myParticle1_ = selected_;
        particleCount_ += 1;
        flag_ = 0;
        choice.id = 0;
        break;
    case SlotChoice::SecondSlot:
        myParticle2_ = selected_;
        particleCount_ += 1;
        choice.id = 1;
        break;
    }
    choice.pairComplete = particleCount_ == 2;
    return choice;
}

bool EventExercise::deleteParticle(int id) {
    if (particleCount_ < 1)
        return false;
    if (id == 0)
        flag_ = 1;
    particleCount_ -= 1;
    return true;
}

void EventExercise::resetChoice() {
    flag_ = 0;
    particleCount_ = 0;
}

float EventExercise::calculate() {
    res_ = static_cast<float>(invariantMass(myParticle1_, myParticle2_));
    return res_;
}

EventExercise::Added EventExercise::add() {
    // Without a data set there is no event to add a mass for.
    if (counter_ < 0 || counter_ >= events())
        return Added::NoEvent;
    if (eventsDone_[static_cast<std::size_t>(counter_)])
        return Added::AlreadyAdded;
    if (!massAccepted(res_))
        return Added::OutOfRange;
    hist_.fill(static_cast<double>(res_));
    eventsDone_[static_cast<std::size_t>(counter_)] = true;
    unsaved_ = true;
    return Added::Added;
}

std::string EventExercise::histogramPath(const std::string& outputDirectory) const {
    return massHistogramPath(outputDirectory, histogramFileTail_);
}

EventExercise::Saved EventExercise::saveHistogram(const std::string& outputDirectory) {
    problem_.clear();
    const std::string path = histogramPath(outputDirectory);
    if (path.size() - outputDirectory.size() > longestFileName)
        return Saved::NameTooLong;
    try {
        saveMassHistogram(path, hist_);
    } catch (const rootio::Error& e) {
        problem_ = e.what();
        return Saved::Failed;
    }
    unsaved_ = false;
    return Saved::Saved;
}
