#pragma once

#include "DataFiles.h"
#include "GuiTestSupport.h"
#include "Vexel_D0_Exercise.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The D0 exercise started through its entry function with an output folder of its own;
// skipped without the generated candidate file. Messages and dialogs start empty.
class D0ExerciseFixture : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFile::exists(QString::fromStdString(DataFiles::candidates())))
            GTEST_SKIP() << "no generated candidate file in the run directory";
        vexel::test::clearMessages();
        vexel::test::clearWarnings();
        vexel::test::closeDialogs();
    }
    void TearDown() override {
        vexel::test::closeDialogs();
        if (window())
            window()->hide();
    }
    static vexel::Browser* window() { return vexel::test::d0ExerciseWindow(); }
    TVSDReader& start(int lang) {
        Vexel_D0_Exercise(lang, output_.path() + "/", 2, 2, 1, "", "");
        QApplication::processEvents();
        return *gVSDReader;
    }

    QTemporaryDir output_;
};
