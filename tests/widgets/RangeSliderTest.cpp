#include "RangeSlider.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

TEST(RangeSlider, HoldsSinglePrecisionValuesReadBackAsShown) {
    vexel::RangeSlider slider("D0 TAU :", 5, 70);
    slider.setLimits(0.15f, 10.15f);
    slider.setDecimals(2);
    QSignalSpy spy(&slider, SIGNAL(valueSet()));
    slider.setValues(0.15f, 10.15f);
    EXPECT_EQ(spy.count(), 1);
    slider.setValues(0.5f, 3.0f, false);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(slider.minField()->text(), "0.50");
    EXPECT_FLOAT_EQ(slider.GetMin(), 0.5f);
    // A value between steps is read back as the field shows it.
    slider.setValues(1.23456f, 3.0f, false);
    EXPECT_EQ(slider.GetMin(), 1.23f);
    // Values are kept inside the limits and in order.
    slider.setValues(-5.0f, 50.0f, false);
    EXPECT_EQ(slider.GetMin(), 0.15f);
    EXPECT_EQ(slider.GetMax(), 10.15f);
    slider.setValues(4.0f, 2.0f, false);
    EXPECT_EQ(slider.GetMin(), 2.0f);
    EXPECT_EQ(slider.GetMax(), 4.0f);

    // Typing into a field: the lower edge cannot pass the upper one; text that is no number
    // leaves the value alone.
    slider.minField()->setText("6");
    QMetaObject::invokeMethod(slider.minField(), "editingFinished");
    EXPECT_EQ(slider.GetMin(), 4.0f);
    slider.maxField()->setText("7.5");
    QMetaObject::invokeMethod(slider.maxField(), "editingFinished");
    EXPECT_EQ(slider.GetMax(), 7.5f);
    slider.maxField()->setText("");
    QMetaObject::invokeMethod(slider.maxField(), "editingFinished");
    EXPECT_EQ(slider.GetMax(), 7.5f);
    EXPECT_EQ(slider.maxField()->text(), "7.50");

    // In a language with the decimal comma the fields show it and read it back.
    slider.setDecimalSign(',');
    EXPECT_EQ(slider.maxField()->text(), "7,50");
    slider.minField()->setText("2,25");
    QMetaObject::invokeMethod(slider.minField(), "editingFinished");
    EXPECT_EQ(slider.GetMin(), 2.25f);
    EXPECT_EQ(slider.minField()->text(), "2,25");
}

TEST(RangeSlider, DraggingAHandleMovesTheNearerEdge) {
    vexel::RangeSlider slider("D0 PT :", 5, 70);
    slider.setLimits(2.5f, 20.0f);
    slider.setDecimals(1);
    slider.setValues(2.5f, 20.0f, false);
    slider.resize(400, 30);
    slider.show();
    QWidget* bar = reinterpret_cast<QWidget*>(slider.bar());
    QTest::qWaitForWindowExposed(&slider);
    QSignalSpy spy(&slider, SIGNAL(valueSet()));
    // Press near the right end and drag to the middle.
    const int y = bar->height() / 2;
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(bar->width() - 6, y));
    QMouseEvent move(QEvent::MouseMove, QPoint(bar->width() / 2, y), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, y));
    EXPECT_GE(spy.count(), 1);
    EXPECT_EQ(slider.GetMin(), 2.5f);
    EXPECT_NEAR(slider.GetMax(), 11.25f, 0.3f);
    // One decimal: the value is on the shown grid.
    EXPECT_FLOAT_EQ(slider.GetMax() * 10, std::round(slider.GetMax() * 10));
    slider.hide();
}
