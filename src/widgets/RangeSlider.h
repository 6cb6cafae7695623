#pragma once

#include "RangeBar.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QValidator;

namespace vexel {

// A number as a student types it into a number field: the fields show the decimal sign of the
// program's language whatever the desktop's language, and a decimal point or comma is taken. False
// (value unchanged) when the text is not a number.
bool parseTypedNumber(const QString& text, double& value);
// A validator that lets through what parseTypedNumber may read, while it is being typed.
QValidator* typedNumberValidator(QObject* parent);

// A two-ended slider: a label, the lower value's number field, a bar with two handles and
// the upper value's number field. Values are held in single precision and read back as the
// fields show them (with the given number of decimals).
class RangeSlider : public QWidget {
    Q_OBJECT
public:
    // entryLength: characters of each number field; labelWidth in pixels.
    RangeSlider(const QString& label, int entryLength, int labelWidth, QWidget* parent = nullptr);

    void setLimits(float min, float max);
    void setDecimals(int decimals);
    int decimals() const { return decimals_; }
    // The sign the fields show numbers with, '.' or ','.
    void setDecimalSign(QChar sign);
    float limitMin() const { return limitMin_; }
    float limitMax() const { return limitMax_; }
    // Sets both values (clamped to the limits, min not above max); valueSet() only when emit.
    void setValues(float min, float max, bool emitSignal = true);
    // The values as shown.
    float GetMin() const;
    float GetMax() const;
    void setBarWidth(int pixels);

    QLineEdit* minField() const { return minField_; }
    QLineEdit* maxField() const { return maxField_; }
    RangeBar* bar() const { return bar_; }
    QString label() const;

signals:
    void valueSet();

private slots:
    void fieldEdited();
    void barMoved();

private:
    float shown(float v) const;
    void showValues();

    QLabel* label_;
    QLineEdit* minField_;
    QLineEdit* maxField_;
    RangeBar* bar_;
    float limitMin_ = 0.0f, limitMax_ = 1.0f;
    float min_ = 0.0f, max_ = 1.0f;
    int decimals_ = 1;
    QChar decimalSign_ = '.';
};

} // namespace vexel
