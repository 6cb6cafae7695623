#include "RangeSlider.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <algorithm>
#include <cmath>

namespace vexel {

namespace {
QString withDecimalPoint(const QString& text) {
    return QString(text).replace(QLatin1Char(','), QLatin1Char('.')).trimmed();
}
} // namespace

bool parseTypedNumber(const QString& text, double& value) {
    bool ok = false;
    const double v = withDecimalPoint(text).toDouble(&ok);
    if (ok)
        value = v;
    return ok;
}

QValidator* typedNumberValidator(QObject* parent) {
    return new QRegularExpressionValidator(QRegularExpression(R"(\s*[+-]?\d*([.,]\d*)?\s*)"),
                                           parent);
}

namespace {

// The slider's values are single precision: read straight into a float.
bool parseTyped(const QString& text, float& value) {
    bool ok = false;
    value = withDecimalPoint(text).toFloat(&ok);
    return ok;
}

} // namespace

RangeSlider::RangeSlider(const QString& label, int entryLength, int labelWidth, QWidget* parent)
    : QWidget(parent), label_(new QLabel(label)), minField_(new QLineEdit),
      maxField_(new QLineEdit), bar_(new RangeBar) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    // At least the given width, wider when the font needs it.
    label_->setFixedWidth(std::max(labelWidth, label_->sizeHint().width() + 2));
    const int fieldWidth =
        fontMetrics().horizontalAdvance(QLatin1Char('0')) * (entryLength + 1) + 8;
    for (QLineEdit* field : {minField_, maxField_}) {
        field->setFixedWidth(fieldWidth);
        field->setAlignment(Qt::AlignRight);
        field->setValidator(typedNumberValidator(field));
        connect(field, SIGNAL(editingFinished()), this, SLOT(fieldEdited()));
    }
    layout->addWidget(label_);
    layout->addWidget(minField_);
    layout->addWidget(bar_);
    layout->addWidget(maxField_);
    bar_->setFixedWidth(190);
    connect(bar_, SIGNAL(moved()), this, SLOT(barMoved()));
    showValues();
}

QString RangeSlider::label() const {
    return label_->text();
}

void RangeSlider::setBarWidth(int pixels) {
    bar_->setFixedWidth(pixels);
}

void RangeSlider::setLimits(float min, float max) {
    limitMin_ = min;
    limitMax_ = std::max(min, max);
    setValues(min_, max_, false);
}

void RangeSlider::setDecimals(int decimals) {
    decimals_ = std::max(0, decimals);
    showValues();
}

void RangeSlider::setDecimalSign(QChar sign) {
    decimalSign_ = sign;
    showValues();
}

float RangeSlider::shown(float v) const {
    return QString::number(double(v), 'f', decimals_).toFloat();
}

void RangeSlider::setValues(float min, float max, bool emitSignal) {
    min = std::clamp(min, limitMin_, limitMax_);
    max = std::clamp(max, limitMin_, limitMax_);
    if (min > max)
        std::swap(min, max);
    min_ = min;
    max_ = max;
    showValues();
    if (emitSignal)
        emit valueSet();
}

float RangeSlider::GetMin() const {
    return shown(min_);
}

float RangeSlider::GetMax() const {
    return shown(max_);
}

void RangeSlider::showValues() {
    minField_->setText(QString::number(double(min_), 'f', decimals_).replace('.', decimalSign_));
    maxField_->setText(QString::number(double(max_), 'f', decimals_).replace('.', decimalSign_));
    const double span = double(limitMax_) - double(limitMin_);
    if (span > 0)
        bar_->setPositions((min_ - limitMin_) / span, (max_ - limitMin_) / span);
    else
        bar_->setPositions(0, 1);
}

void RangeSlider::fieldEdited() {
    float min = 0.0f, max = 0.0f;
    if (!parseTyped(minField_->text(), min) || !parseTyped(maxField_->text(), max)) {
        showValues(); // not a number: the previous values stay
        return;
    }
    // The edited edge may not pass the other one.
    if (sender() == minField_)
        setValues(std::min(min, max_), max_);
    else
        setValues(min_, std::max(max, min_));
}

void RangeSlider::barMoved() {
    const double span = double(limitMax_) - double(limitMin_);
    // The handles move in steps of the shown precision.
    const float low = shown(float(limitMin_ + bar_->low() * span));
    const float high = shown(float(limitMin_ + bar_->high() * span));
    setValues(low, high);
}

} // namespace vexel
