#pragma once

#include "BasicRandom.h"
#include "EventExercise.h"
#include "FrameTexts.h"
#include "TrackLine.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class launcher;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;
namespace vexel {
class Browser;
class Canvas;
class EventDisplay;
} // namespace vexel

// The event-display exercise window: the control panel on the left, the 3D view
// of the detector and the tracks of one event on the right. The exercise itself
// (events, chosen particles, mass histogram) is an EventExercise; the window reads
// its controls, calls it and shows what happened. The layout is in FrameLayout.cpp.
// The launcher that starts the window owns it; the window owns its browser window.
class Frame : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE Frame(const int lang, const char* user, QString pathSave2, int h, launcher* lstart);
    ~Frame() override;

    vexel::Browser* browser() const { return browser_.get(); }
    vexel::EventDisplay* display() const { return display_; }
    const EventExercise& exercise() const { return exercise_; }

public slots:
    void init();
    void Validate(int h);
    void readTracks();
    void Next();
    void Back();
    void Clear();
    void Reset();
    void ShowGeometry();
    void ShowTransparency();
    void DefaultCam();
    void GeometrySwitch();
    void HideGeometry();
    void TransparencySwitch();
    void Zoom();
    void rotate(double hor, double ver);
    void YZ();
    void YX();
    void ZX();
    void Hint();
    void OnClicked(const vexel::TrackLine* line);
    void SaveParticle();
    void DeleteParticle();
    void Calculate();
    void Continue();
    void Draw();
    void SaveHist();
    void makeGui();
    void disableAll();
    void enableAll();
    void Exit();
    void EN();
    void FR();
    void DE();
    void IT();
    void RO();
    void Help();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyWidgetTexts(int lang);
    void applyMessageTexts(int lang);
    void applyNoticeTexts(int lang);
    void applyLanguage(int lang); // widget, notice and message texts
    static const vexel::Language& language(int lang);
    QString shownValue(double value) const;
    void setLegend(const QString& picture);
    void addChosenParticle(const VxLumoTrack& record, int id);
    void drawMassHistogram();
    bool endRequested(); // false keeps the program open

    EventExercise exercise_;
    QString pathSave;                                // output directory, ending in "/"
    const vexel::TrackLine* linexx;                  // the line made last
    const vexel::TrackLine* selectedLine_ = nullptr; // the line the selected record was picked by
    vexel::BasicRandom r;
    std::string user1;
    int lang1;
    launcher* l_start;
    const double PI;
    QPointer<vexel::Canvas> fHistCanvas; // "HistCanvas" in the tab "My histogram"; gone when closed
    int checked;                         // show hide geometry
    int checked_trans;                   // 1 transparent, -1 as loaded, 0 not recorded
    std::vector<std::pair<int, unsigned>> fVolumeTrans; // (volume, transparency) as loaded
    int zoomBool;                                       // zoom dialog should be shown just ones
    QString e1, e2, h1, e3, e4, h2, h3_a, h3_b;
    FrameNoticeTexts notices_;

    unsigned mainFrameWidth;
    unsigned mainFrameHeight;
    std::unique_ptr<vexel::Browser> browser_;
    vexel::EventDisplay* display_;
    bool exiting_;

    QWidget* fMainFrame1460;
    QGroupBox* fGroupFrame714;
    QGroupBox* fGroupFrame709;
    QGroupBox* fGroupFrame860;
    QGroupBox* fGroupFrame717;
    QGroupBox* fGroupFrame735;
    QGroupBox* fGroupFrame1395;
    QGroupBox* fGroupFrame748; // group box for legend
    QLabel* fLabel842;
    QLabel* fLabel1351;
    QLabel* fLabel733;
    QLabel* fLabel726;
    QLabel* fLabel743;
    QPushButton* fPictureButton716;
    QPushButton* fPictureButton715;
    QPushButton* fPictureButton710;
    QPushButton* fPictureButton711;
    QPushButton* fPictureButton1723;
    QPushButton* fPictureButton861;
    QPushButton* fPictureButton862;
    QPushButton* fPictureButton863;
    QCheckBox* fCheckButton712;
    QCheckBox* fCheckButton713;
    QPushButton* fTextButton759; // help button
    QPushButton* fTextButton1319;
    QPushButton* fTextButton1335;
    QPushButton* fTextButton753;  // delete
    QPushButton* fTextButton753a; // add on histogram
    QPushButton* fTextButton1442;
    QPushButton* fTextButton758; // save histogram
    QPushButton* fTextButton834; // exit button
    QLineEdit* fTextEntry1311;
    QLineEdit* fTextEntry1305;
    QLineEdit* fTextEntry1312;
    QLineEdit* fTextEntry1306;
    QLineEdit* fTextEntry1307;
    QLineEdit* fTextEntry1308;
    QLineEdit* fTextEntry799;
    QLineEdit* fTextEntry1309;
    QLineEdit* fTextEntry1337;
    QListWidget* fListBox1321;
    QLabel* leg; // icon legend particles - colors
};
