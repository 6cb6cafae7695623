#pragma once

#include "TabLineEdit.h"
#include "launcher.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

namespace vexel::test {

// Does in the launcher what a student does first: chooses the language (its button's code),
// types the name "Ann", surname "Lee" and grade "3b", chooses the combination in the list's
// row comboRow and presses Save. For suites built with the program.
inline void enterStudent(launcher& l, const char* language, int comboRow) {
    QTest::mouseClick(l.fGroupFrame745->findChild<QPushButton*>(language), Qt::LeftButton);
    QTest::keyClicks(l.fTextEntry752, "Ann");
    QTest::keyClicks(l.fTextEntry753, "Lee");
    QTest::keyClicks(l.fTextEntry754, "3b");
    l.fComboBox759->setCurrentIndex(comboRow);
    QTest::mouseClick(l.fTextButton758, Qt::LeftButton);
}

} // namespace vexel::test
