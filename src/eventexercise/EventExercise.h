#pragma once

#include "EventFile.h"
#include "ParticleChoice.h"
#include "VxLumoTrack.h"
#include "analysis/Hist1D.h"

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The event exercise without its window: the data set and the event shown, the records of
// that event and their pick keys, the two chosen particles, the computed mass and the mass
// histogram. Each operation says what happened; the window shows it.
class EventExercise {
public:
    enum class DataSet { Opened, Unreadable, NoEvents };
    enum class Move { Moved, LastEventShown, FirstEventShown, NoEvents };
    enum class Added { Added, AlreadyAdded, OutOfRange, NoEvent };
    enum class Saved { Saved, NameTooLong, Failed };

    // The chosen slot (0 first, 1 second) and whether both particles are now chosen.
    struct Choice {
        SlotChoice slot;
        int id = -1;
        bool pairComplete = false;
    };

    explicit EventExercise(std::string student);

    int combination() const { return combination_; }
    // The event file of the combination, where it was found (DataFiles).
    const std::string& eventFilePath() const { return eventFilePath_; }
    // "<combination>_<student>.root", the tail of the histogram file name.
    const std::string& histogramFileTail() const { return histogramFileTail_; }

    // Opens the event file of a combination (0 or less is taken as 1); on failure the
    // reason is in problem().
    DataSet openDataSet(int combination);
    // Back to the first event with nothing chosen, no event done and an empty histogram.
    void restart();
    // Reads the records of the event shown into records() and the pick-key map, and
    // takes the view centre from the third record. False (reason in problem()) when the
    // event cannot be read; there are no records then.
    bool readEvent();
    const std::string& problem() const { return problem_; }

    int events() const { return static_cast<int>(eventsDone_.size()); }
    int currentEvent() const { return counter_; }
    bool eventDone(int event) const;

    // Moves to the next or previous event and forgets the picks of the one left; the
    // caller reads the new event.
    Move next();
    Move back();

    const std::vector<VxLumoTrack>& records() const { return records_; }
    const std::map<int, VxLumoTrack>& recordsByKey() const { return recordsByKey_; }
    const std::array<double, 3>& viewCentre() const { return centre_; }

    // The record of the line from first to last, or null when no record has its key.
    const VxLumoTrack* pick(const std::array<float, 3>& first, const std::array<float, 3>& last);
    const VxLumoTrack& selected() const { return selected_; }

    // Puts the picked record into a free slot.
    Choice saveParticle();
    // Frees slot id (0 or 1); false when nothing was chosen.
    bool deleteParticle(int id);
    // Empties both slots (the records stay, unused, until new particles are chosen).
    void resetChoice();
    int particleCount() const { return particleCount_; }
    bool firstSlotFreed() const { return flag_ == 1; }
    const VxLumoTrack& firstParticle() const { return myParticle1_; }
    const VxLumoTrack& secondParticle() const { return myParticle2_; }

    // Invariant mass of the two slots, in single precision.
    float calculate();
    float mass() const { return res_; }
    // Adds the last computed mass to the histogram, once per event.
    Added add();

    const analysis::Hist1D& histogram() const { return hist_; }
    // A mass was added since the histogram was last saved.
    bool histogramUnsaved() const { return unsaved_; }
    // Output directory (ending in "/") + "MassHistogram_" + histogramFileTail().
    std::string histogramPath(const std::string& outputDirectory) const;
    // Saves the histogram; a file name longer than a file system takes (255 bytes) is
    // refused; on failure the reason is in problem().
    Saved saveHistogram(const std::string& outputDirectory);

private:
    std::string student_;
    int combination_ = 1;
    std::string eventFilePath_;
    std::string histogramFileTail_;
    std::unique_ptr<EventFile> file_;
    std::string problem_;

    int counter_ = 0;
    std::vector<bool> eventsDone_; // one per event of the data set
    std::vector<VxLumoTrack> records_;
    std::map<int, VxLumoTrack> recordsByKey_;
    std::array<double, 3> centre_{0, 0, 0};

    VxLumoTrack selected_;
    VxLumoTrack myParticle1_;
    VxLumoTrack myParticle2_;
    int particleCount_ = 0;
    int flag_ = 0; // 1: the first slot was freed while the second is kept
    float res_ = 0;

    analysis::Hist1D hist_;
    bool unsaved_ = false;
};
