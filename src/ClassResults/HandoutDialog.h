#pragma once

#include "LessonDayTexts.h"
#include "classroom/DataSetHandout.h"

#include <QDialog>
#include <set>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

// Handing out data sets before the lesson: the teacher types or pastes the names (or gives
// a number of groups), sees each with its combination, and saves the sheet to print (PDF)
// and the list (CSV).
class HandoutDialog : public QDialog {
    Q_OBJECT
public:
    // `avoid`: combinations analysed already today; `forWhom`: the classes, for the title.
    HandoutDialog(const LessonDayTexts& texts, std::set<int> avoid, QString forWhom,
                  QWidget* parent = nullptr);

    void assignNames(const QString& names);
    void assignGroups(int groups);
    const classroom::Handout& handout() const { return handout_; }
    QString message() const;
    QTableWidget* table() const { return table_; }
    bool saveSheet(const QString& path, QString* error = nullptr);
    bool saveList(const QString& path, QString* error = nullptr);

private:
    void present(classroom::Handout handout);
    void saveSheetAs();
    void saveListAs();

    LessonDayTexts texts_;
    std::set<int> avoid_;
    QString forWhom_;
    classroom::Handout handout_;
    QPlainTextEdit* names_;
    QSpinBox* groups_;
    QTableWidget* table_;
    QLabel* message_;
    QPushButton* saveSheet_;
    QPushButton* saveList_;
};
