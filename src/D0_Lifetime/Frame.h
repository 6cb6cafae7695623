#pragma once

#include "BasicRandom.h"
#include "TrackLine.h"
#include "VxLumoTrack.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class EventFile;
class launcher;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;
namespace analysis {
class Hist1D;
}
namespace vexel {
class Browser;
class Canvas;
class EventDisplay;
} // namespace vexel

// The event-display exercise window: the control panel on the left, the 3D view
// of the detector and the tracks of one event on the right.
class Frame : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE Frame(const int lang, const char* user, QString pathSave2, int h, launcher* lstart);
    ~Frame() override;

    vexel::Browser* browser() const { return browser_; }
    vexel::EventDisplay* display() const { return display_; }

    std::unique_ptr<EventFile> tree; // event tree of the open data set

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
    friend class FrameTestAccess;
    using Record = VxLumoTrack;

    void applyWidgetTexts(int lang);
    void applyMessageTexts(int lang);
    void setLegend(const QString& picture);
    void addChosenParticle(const Record& record, int id);
    void drawMassHistogram();
    QPushButton* pictureButton(const QString& picture, QWidget* parent, int x, int y, int w, int h,
                               const char* name);

    int counter;                     // currnet number of event
    int nb;                          // total number of events
    bool eventsDone[50];             // checks if that event is solved
    QString fileName;                // root file name - tracks and particles
    QString histName;                // "<combination>_<student>.root"
    std::vector<Record> array;       // records of the event shown
    std::map<int, Record> particles; // record by pick key
    std::array<double, 3> center;    // view centre
    const vexel::TrackLine* linexx;  // the line made last
    vexel::BasicRandom r;
    std::string user1;
    int lang1;
    launcher* l_start;
    const double PI;
    Record selected; // current selected particle
    Record myParticle1;
    Record myParticle2;
    int particleCount;
    int flag;
    float res;                           // new mass
    std::unique_ptr<analysis::Hist1D> a; // the mass histogram "hist"
    QPointer<vexel::Canvas> fHistCanvas; // "HistCanvas" in the tab "My histogram"; gone when closed
    int checked;                         // show hide geometry
    int checked_trans;                   // 1 transparent, -1 as loaded, 0 not recorded
    std::vector<std::pair<int, unsigned>> fVolumeTrans; // (volume, transparency) as loaded
    int zoomBool;                                       // zoom dialog should be shown just ones
    QString e1, e2, h1, e3, e4, h2, h3_a, h3_b;

    unsigned mainFrameWidth;
    unsigned mainFrameHeight;
    vexel::Browser* browser_;
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
