#pragma once

#include "ClassFolderWatcher.h"
#include "ClassResultsPlot.h"
#include "ClassResultsTexts.h"
#include "classroom/ClassFolder.h"
#include "classroom/ClassSummary.h"

#include <QMainWindow>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace vexel {
class Canvas;
}

// The teacher's window: the class folder's students, the class mass peak with its fit, the
// class lifetime trend and the files not used. Follows the folder while students save.
class ClassResultsWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ClassResultsWindow(QWidget* parent = nullptr);

    // Shows the results of `folder` and follows its changes.
    void setFolder(const QString& folder);
    QString folder() const;

    const classroom::ClassSummary& summary() const { return summary_; }
    int language() const { return lang_; }
    vexel::Canvas* canvas() const { return canvas_; }
    QTableWidget* studentsTable() const { return students_; }
    QTableWidget* unusedTable() const { return unused_; }
    QTableWidget* lifetimesTable() const { return lifetimes_; }
    QLabel* combinationsLabel() const { return combinations_; }
    // Number of rescans that found changes (for tests of the watcher).
    int updates() const { return updates_; }

    // Plots as .png, .pdf or .root; the table as CSV. False with the reason in *error.
    bool exportPlots(const QString& path, QString* error = nullptr);
    bool exportTable(const QString& path, QString* error = nullptr);

public slots:
    void EN();
    void FR();
    void DE();
    void IT();
    void RO();
    void chooseFolder();
    void exportPlotsAs();
    void exportTableAs();
    // Reads what changed in the folder and shows the new results.
    void rescan();

private slots:
    void trendChosen();

private:
    void buildGui();
    void setLanguage(int code);
    void applyTexts();
    void showResults();
    void fillStudents();
    void fillUnused();
    void fillLifetimes();
    void fillTrendChoice();
    QString relative(const std::string& path) const;

    int lang_ = 1;
    ClassResultsTexts texts_;
    std::unique_ptr<classroom::ClassFolder> folder_;
    classroom::ClassSummary summary_;
    int updates_ = 0;
    int trend_ = 0;

    ClassFolderWatcher watcher_;

    QGroupBox* languages_ = nullptr;
    QGroupBox* folderBox_ = nullptr;
    QPushButton* chooseButton_ = nullptr;
    QLabel* folderLabel_ = nullptr;
    QPushButton* exportPlotsButton_ = nullptr;
    QPushButton* exportTableButton_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTableWidget* students_ = nullptr;
    QTableWidget* unused_ = nullptr;
    QTableWidget* lifetimes_ = nullptr;
    QLabel* trendLabel_ = nullptr;
    QComboBox* trendChoice_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* combinations_ = nullptr;
    vexel::Canvas* canvas_ = nullptr;
    std::unique_ptr<ClassResultsPlot> plot_;
};
