#include "Browser.h"
#include "Canvas.h"
#include "GuiTestSupport.h"
#include "HelpTextDialog.h"
#include "Messages.h"
#include "QuitWhenNoWindowVisible.h"
#include "TabLineEdit.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using vexel::Browser;

TEST(Browser, TabsAreFoundByExactTitleAndClosedRightTabsAreDeleted) {
    Browser browser;
    browser.show();
    EXPECT_FALSE(browser.tabs(Browser::Left)->isVisible());
    browser.addTab(Browser::Left, new QLabel("panel"), "Event Control");
    browser.addTab(Browser::Right, new QLabel("view"), "Viewer 1");
    QPointer<QWidget> page = new QLabel("histogram");
    browser.addTab(Browser::Right, page, "My histogram");
    EXPECT_TRUE(browser.tabs(Browser::Left)->isVisible());
    EXPECT_FALSE(browser.tabs(Browser::Bottom)->isVisible());
    EXPECT_EQ(browser.findTab(Browser::Right, "My histogram"), 1);
    EXPECT_EQ(browser.findTab(Browser::Right, "my histogram"), -1);
    EXPECT_EQ(browser.tabs(Browser::Right)->currentIndex(), 1);
    EXPECT_TRUE(browser.raiseTab(Browser::Right, "Viewer 1"));
    EXPECT_EQ(browser.tabs(Browser::Right)->currentIndex(), 0);
    EXPECT_FALSE(browser.raiseTab(Browser::Right, "Help"));

    QSignalSpy closed(&browser, SIGNAL(rightTabClosed(QWidget*)));
    emit browser.tabs(Browser::Right)->tabCloseRequested(1);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(browser.hasTab(Browser::Right, "My histogram"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(page.isNull());

    EXPECT_TRUE(browser.removeTab(Browser::Left, 0));
    EXPECT_FALSE(browser.removeTab(Browser::Left, 0));
    EXPECT_FALSE(browser.tabs(Browser::Left)->isVisible());
}

TEST(Browser, CanvasTabIsMadeAnewWhenClosed) {
    vexel::Browser browser;
    bool created = false;
    vexel::Canvas* first = browser.canvasTab("Lifetime fit", "fFitPad", 2, 2, &created);
    EXPECT_TRUE(created);
    EXPECT_EQ(first->objectName(), "fFitPad");
    EXPECT_EQ(first->padCount(), 4);
    first->cd(3);
    browser.canvasTab("Other", "other");
    EXPECT_EQ(browser.canvasTab("Lifetime fit", "fFitPad", 2, 2, &created), first);
    EXPECT_FALSE(created);
    EXPECT_EQ(first->currentPad(), 1);
    EXPECT_EQ(browser.tabs(vexel::Browser::Right)->currentWidget(), first);

    // The student closes the tab: its canvas goes, the next call makes a new one.
    QPointer<vexel::Canvas> closed = first;
    browser.closeRightTab(browser.findTab(vexel::Browser::Right, "Lifetime fit"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());
    vexel::Canvas* again = browser.canvasTab("Lifetime fit", "fFitPad", 2, 2, &created);
    EXPECT_TRUE(created);
    EXPECT_EQ(again->padCount(), 4);
    EXPECT_EQ(browser.tabs(vexel::Browser::Right)->count(), 2);
}

TEST(HelpTextDialog, OnlyItsOwnButtonClosesIt) {
    auto* dialog = vexel::popUpHelpText("Plot", "Some text", 350, 65);
    QPointer<vexel::HelpTextDialog> guard(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Plot");
    EXPECT_EQ(dialog->text(), "Some text");
    EXPECT_EQ(dialog->size(), QSize(350, 65));
    EXPECT_TRUE(vexel::HelpTextDialog::openDialogs().contains(dialog));
    dialog->close(); // the window manager's close request
    EXPECT_TRUE(dialog->isVisible());
    auto* button = dialog->findChild<QPushButton*>();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), "Close");
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}

TEST(Messages, TheSinkReceivesEveryMessageAndCanBeReplaced) {
    std::vector<QString> seen;
    auto previous = vexel::setMessageSink(
        [&](const QString& title, const QString& text) { seen.push_back(title + "|" + text); });
    vexel::showMessage("Error", "Some fields are empty.");
    vexel::setMessageSink(previous);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], "Error|Some fields are empty.");
}

TEST(TabLineEdit, TabIsReportedInsteadOfMovingTheFocus) {
    QWidget window;
    auto* entry = new vexel::TabLineEdit(&window);
    auto* other = new vexel::TabLineEdit(&window);
    window.show();
    QApplication::setActiveWindow(&window);
    entry->setFocus();
    QSignalSpy tabs(entry, SIGNAL(tabPressed()));
    QTest::keyClick(entry, Qt::Key_Tab);
    EXPECT_EQ(tabs.count(), 1);
    EXPECT_TRUE(entry->hasFocus());
    EXPECT_FALSE(other->hasFocus());
    EXPECT_EQ(entry->maxLength(), 4096);
}

TEST(QuitWhenNoWindowVisible, ReportsOnlyWhenTheLastWindowGoes) {
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    QCoreApplication::processEvents();
    vexel::QuitWhenNoWindowVisible watcher(false);
    QSignalSpy gone(&watcher, SIGNAL(noWindowVisible()));
    QWidget first, second;
    first.show();
    second.show();
    first.hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(gone.count(), 0);
    second.close(); // as by the window manager
    QCoreApplication::processEvents();
    EXPECT_EQ(gone.count(), 1);
}
