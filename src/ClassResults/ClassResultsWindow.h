#pragma once

#include "ClassFolderWatcher.h"
#include "ClassResultsPlot.h"
#include "ClassResultsTexts.h"
#include "LessonDayTexts.h"
#include "ProjectorView.h"
#include "classroom/LessonDay.h"
#include "classroom/LessonDaySources.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTableWidget;
class HandoutDialog;

// The teacher's window for a lesson day: the classes (class folders and class exports) side
// by side and combined, the students, the class lifetimes, the files not used, the plots.
// Follows the folders while students save; hands out data sets; shows the plots on a
// projector.
class ClassResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ClassResultsWindow(QWidget* parent = nullptr);

    // Shows the results of `folder` alone and follows its changes.
    void setFolder(const QString& folder);
    // The first class folder, or empty.
    QString folder() const;
    // Every class folder and class export, in the order given.
    QStringList sourcePaths() const;
    // Adds a class folder (with the label remembered for it) or a class export.
    void addFolder(const QString& folder);
    void addExport(const QString& file);
    void setLabel(int source, const classroom::ClassLabel& label);
    void setCountEveryFile(bool every);

    const classroom::LessonDay& day() const { return day_; }
    const classroom::ClassSummary& summary() const { return day_.total; }
    int language() const { return lang_; }
    ClassResultsPlot* plot() const { return plot_; }
    ProjectorView* projector() const { return projector_; }
    QTableWidget* classesTable() const { return classes_; }
    QTableWidget* studentsTable() const { return students_; }
    QTableWidget* unusedTable() const { return unused_; }
    QTableWidget* lifetimesTable() const { return lifetimes_; }
    QLabel* combinationsLabel() const { return combinations_; }
    QLabel* ruleLabel() const { return ruleText_; }
    // Number of rescans that found changes (for tests of the watcher).
    int updates() const { return updates_; }
    ClassFolderWatcher& watcher() { return watcher_; }

    // Plots as .png or .pdf (.root: the class export of the first class); the tables as CSV;
    // the class export of the class folder `source`. False with the reason in *error.
    bool exportPlots(const QString& path, QString* error = nullptr);
    bool exportTable(const QString& path, QString* error = nullptr);
    bool exportClass(int source, const QString& path, QString* error = nullptr);
    // The export's file name in `folder` from the class's label.
    QString exportPathFor(int source, const QString& folder) const;

public slots:
    void EN();
    void FR();
    void DE();
    void IT();
    void RO();
    void chooseFolder();
    void chooseExport();
    void exportPlotsAs();
    void exportTableAs();
    void exportClassAs();
    HandoutDialog* openHandout();
    void openProjector();
    // Opens the teacher's guide in the window's language (English where it has none).
    void openGuide();
    // Reads what changed in the folders and exports and shows the new results.
    void rescan();

private slots:
    void trendChosen();
    void sourceChosen();
    void labelEdited();

private:
    void buildGui();
    QWidget* buildSourcesBox(QWidget* parent);
    void setLanguage(int code);
    void applyTexts();
    void recombine();
    void showResults();
    void fillSources();
    void fillClasses();
    void fillStudents();
    void fillUnused();
    void fillLifetimes();
    void fillTrendChoice();
    void followSources();
    QString shown(const std::string& path) const;

    int lang_ = 1;
    ClassResultsTexts texts_;
    LessonDayTexts lesson_;
    classroom::LessonDaySources sources_;
    classroom::LessonDay day_;
    classroom::DuplicateRule rule_ = classroom::DuplicateRule::CountOnce;
    int updates_ = 0;
    int trend_ = 0;

    ClassFolderWatcher watcher_;

    QGroupBox* languages_ = nullptr;
    QGroupBox* classesBox_ = nullptr;
    QListWidget* sourceList_ = nullptr;
    QPushButton* addFolderButton_ = nullptr;
    QPushButton* addExportButton_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QGroupBox* labelBox_ = nullptr;
    QLabel* schoolLabel_ = nullptr;
    QLabel* classLabel_ = nullptr;
    QLabel* dateLabel_ = nullptr;
    QLineEdit* school_ = nullptr;
    QLineEdit* className_ = nullptr;
    QLineEdit* date_ = nullptr;
    QPushButton* exportClassButton_ = nullptr;
    QPushButton* exportPlotsButton_ = nullptr;
    QPushButton* exportTableButton_ = nullptr;
    QPushButton* handOutButton_ = nullptr;
    QPushButton* projectorButton_ = nullptr;
    QPushButton* guideButton_ = nullptr;
    QCheckBox* countEvery_ = nullptr;
    QLabel* ruleText_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* classes_ = nullptr;
    QTableWidget* students_ = nullptr;
    QTableWidget* unused_ = nullptr;
    QTableWidget* lifetimes_ = nullptr;
    QLabel* trendLabel_ = nullptr;
    QComboBox* trendChoice_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* combinations_ = nullptr;
    ClassResultsPlot* plot_ = nullptr;
    QPointer<ProjectorView> projector_;
};
