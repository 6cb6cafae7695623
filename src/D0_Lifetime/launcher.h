#pragma once

#include <QObject>
#include <QString>

class QMessageBox;
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
namespace vexel {
class Language;
class TabLineEdit;
} // namespace vexel

// The first window: language, the student's details, the data set, the output
// directory, and the two exercises started in their order.
class launcher : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE launcher();
    ~launcher() override;

    int lang;          // 1 EN, 2 FR, 3 DE, 4 IT, 5 RO, 6 ES, ...; 0 until chosen
    int start;         // 1 once Save may no longer be enabled by a language choice
    std::string user;  // name_surname_grade, set by save()
    int h;             // combination number, set by save()
    QString pathSave1; // output directory, "" or ending in "/"
    QWidget* fMainFrame990;
    vexel::TabLineEdit* fTextEntry754;
    vexel::TabLineEdit* fTextEntry752;
    vexel::TabLineEdit* fTextEntry753;
    QComboBox* fComboBox759;
    QPushButton* fPictureButton779;
    QPushButton* fPictureButton785;
    QPushButton* fTextButton758;
    QGroupBox* fGroupFrame781;
    QGroupBox* fGroupFrame745;
    QGroupBox* fGroupFrame751;
    QPushButton* fTextButton782;
    QPushButton* fTextButton783;
    QLabel* fLabel755;
    QLabel* fLabel756;
    QLabel* fLabel757;
    QLineEdit* fTextEntry1141;
    // The language with this number (1 EN ... 5 RO, 6 ES, ...): texts and lang.
    void useLanguage(int number);

public slots:
    void initialCheck();
    void gui();
    void EN();
    void FR();
    void DE();
    void IT();
    void RO();
    void ChangeFocus(); // changes focus by pressing TAB
    void save();
    void start1();
    void start2();
    void setOutputDir();
    void about();
    void Exit();
    void disableAll();
    void enable1();
    void enable2();
    void enableII();
    // The language button pressed beyond the five.
    void chooseLanguage();

public:
    // The About box: with a button opening the teacher's guide found at `guide`, or, when
    // there is none, a line saying where it belongs.
    std::unique_ptr<QMessageBox> makeAboutBox(const std::optional<std::string>& guide);

private:
    const vexel::Language& language() const;
    QLabel* numberLabel_ = nullptr;
    QLabel* eventDisplayLabel_ = nullptr;
    QLabel* d0ExerciseLabel_ = nullptr;
    QGroupBox* groupI_ = nullptr;
    QGroupBox* groupII_ = nullptr;
    QGroupBox* outputGroup_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
