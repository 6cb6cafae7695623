#include "Browser.h"
#include "DataFiles.h"
#include "HighDensityDisplay.h"
#include "Messages.h"
#include "RangeSlider.h"
#include "Vexel_D0_Exercise.h"
#include "analysis/ExerciseRanges.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

// The D0 exercise window's layout: the tool panel on the left, the button bar at the bottom.

namespace {

// Widths of the panel's columns and rows.
constexpr int kColumnWidth = 200;

QWidget* fixedRow(QLayout*& layout) {
    auto* row = new QWidget;
    layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return row;
}

QPixmap logoPicture() {
    return vexel::loadSharpPicture(QString::fromStdString(DataFiles::locate(DataFiles::logo())));
}

vexel::RangeSlider* makeSlider(const QString& label, int entryLength, int labelWidth, float min,
                               float max, int decimals) {
    auto* slider = new vexel::RangeSlider(label, entryLength, labelWidth);
    slider->setBarWidth(190);
    slider->setLimits(min, max);
    slider->setDecimals(decimals);
    slider->setValues(min, max, true);
    return slider;
}

QPushButton* textButton(const QString& text) {
    auto* button = new QPushButton(text);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

// A titled group of the panel, its rows stacked without spacing.
QVBoxLayout* addGroup(QVBoxLayout* panel, const QString& title) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    panel->addWidget(box);
    return layout;
}

} // namespace

void TVSDReader::addCutSliders(QVBoxLayout* panel) {
    QVBoxLayout* ranges = addGroup(panel, var_ranges);
    ranges->addSpacing(10);
    fD0PTCut = makeSlider(messages_.ptSlider, 5, 70, float(fPTRangeMin), float(fPTRangeMax), 1);
    fD0TAUCut = makeSlider(messages_.tauSlider, 5, 70, float(fTAURangeMin), float(fTAURangeMax), 2);
    fD0IPCut = makeSlider(messages_.ipSlider, 5, 70, float(fIPRangeMin), float(fIPRangeMax), 1);
    for (vexel::RangeSlider* slider : {fD0PTCut.data(), fD0TAUCut.data(), fD0IPCut.data()}) {
        slider->setDecimalSign(language().decimalSign());
        ranges->addWidget(slider);
        ranges->addSpacing(10);
    }
}

void TVSDReader::addMassTools(QVBoxLayout* panel) {
    QVBoxLayout* massTools = addGroup(panel, an_tools);
    massTools->addSpacing(5);
    auto* plotMass = textButton(plt_mass);
    auto* fitMass = textButton(fit_mass_dis);
    massTools->addWidget(plotMass);
    massTools->addWidget(fitMass);
    connect(plotMass, SIGNAL(clicked()), this, SLOT(PlotD0Mass()));
    connect(fitMass, SIGNAL(clicked()), this, SLOT(FitInvariantMass()));
}

void TVSDReader::addSubtractionTools(QVBoxLayout* panel, QWidget* owner) {
    // The background range is set up but never shown.
    QVBoxLayout* subtraction = addGroup(panel, bg_sub);
    subtraction->addSpacing(10);
    const analysis::CutRange mass = analysis::ExerciseRanges::candidateMass;
    fFitRangePoly = makeSlider(messages_.bkgSlider, 6, 60, mass.min, mass.max, 1);
    fFitRangePoly->setParent(owner);
    fFitRangePoly->hide();
    fFitRangePoly->setDecimalSign(language().decimalSign());
    fFitRangeGaus = makeSlider(messages_.sigSlider, 6, 60, mass.min, mass.max, 1);
    fFitRangeGaus->setDecimalSign(language().decimalSign());
    subtraction->addWidget(fFitRangeGaus);
    subtraction->addSpacing(10);
    auto* plotDistributions = textButton(plt_distr);
    subtraction->addWidget(plotDistributions);
    connect(plotDistributions, SIGNAL(clicked()), this, SLOT(PlotVarDists()));
}

void TVSDReader::addLifetimeFitTools(QVBoxLayout* panel) {
    QVBoxLayout* timeFit = addGroup(panel, t_fit);
    timeFit->addSpacing(5);
    auto* fitTime = textButton(fit_sign);
    timeFit->addWidget(fitTime);
    connect(fitTime, SIGNAL(clicked()), this, SLOT(FitDecayTime()));
    QLayout* labelsLayout = nullptr;
    QWidget* labels = fixedRow(labelsLayout);
    QLayout* fieldsLayout = nullptr;
    QWidget* fields = fixedRow(fieldsLayout);
    for (const QString& text : {messages_.fitResult, messages_.fitError}) {
        auto* label = new QLabel(text);
        label->setAlignment(Qt::AlignHCenter);
        label->setContentsMargins(1, 1, 1, 1);
        labelsLayout->addWidget(label);
    }
    fFitResult = new QLineEdit;
    fFitErr = new QLineEdit;
    setFieldValue(fFitResult, 0);
    setFieldValue(fFitErr, 0);
    for (QLineEdit* field : {fFitResult.data(), fFitErr.data()}) {
        field->setValidator(vexel::typedNumberValidator(field));
        field->setAlignment(Qt::AlignRight);
        fieldsLayout->addWidget(field);
    }
    timeFit->addWidget(labels);
    timeFit->addWidget(fields);
}

void TVSDReader::addResultTools(QVBoxLayout* panel) {
    QVBoxLayout* results = addGroup(panel, save_res);
    fVarToTrend = new QComboBox;
    fVarToTrend->setStyleSheet("QComboBox { background: white; }");
    fVarToTrend->addItem(messages_.trendMaxIP, 2);
    fVarToTrend->setFixedWidth(kColumnWidth);
    {
        const QSignalBlocker quiet(fVarToTrend);
        fVarToTrend->setCurrentIndex(fVarToTrend->findData(2));
    }
    results->addWidget(fVarToTrend);
    results->addSpacing(10);
    auto* saveResult = textButton(sv_res_fit);
    results->addWidget(saveResult);
    connect(saveResult, SIGNAL(clicked()), this, SLOT(SaveFitResult()));
    QLayout* trendLayout = nullptr;
    QWidget* trendRow = fixedRow(trendLayout);
    auto* plotTrend = textButton(pl_trend);
    auto* clearTrend = textButton(cl_trend);
    trendLayout->addWidget(plotTrend);
    trendLayout->addWidget(clearTrend);
    connect(plotTrend, SIGNAL(clicked()), this, SLOT(PlotFitResultsVsVar()));
    connect(clearTrend, SIGNAL(clicked()), this, SLOT(ClearTrend()));
    results->addWidget(trendRow);
    auto* logo = new QPushButton;
    logo->setObjectName("VexelLogo");
    const QPixmap picture = logoPicture();
    if (!picture.isNull()) {
        logo->setIcon(QIcon(picture));
        logo->setIconSize(picture.size().scaled(kColumnWidth - 10, 80, Qt::KeepAspectRatio));
    }
    logo->setMinimumHeight(40);
    results->addSpacing(5);
    results->addWidget(logo);
    connect(logo, SIGNAL(clicked()), this, SLOT(VexelInfo()));
}

QWidget* TVSDReader::buildToolPanel() {
    auto* panel = new QWidget;
    panel->setObjectName("XX GUI");
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    addCutSliders(panelLayout);
    addMassTools(panelLayout);
    addSubtractionTools(panelLayout, panel);
    addLifetimeFitTools(panelLayout);
    addResultTools(panelLayout);
    panelLayout->addStretch(1);
    return panel;
}

QWidget* TVSDReader::buildButtonBar() {
    auto* bar = new QWidget;
    auto* layout = new QVBoxLayout(bar);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(2);
    const QString blue = "QPushButton { color: blue; font-weight: bold; font-size: 20px; }";
    const QString red = "QPushButton { color: red; font-weight: bold; font-size: 20px; }";
    auto row = [&] {
        auto* r = new QHBoxLayout;
        r->setSpacing(2);
        layout->addLayout(r);
        return r;
    };
    QHBoxLayout* first = row();
    auto* saveCanvas = new QPushButton(sv_canv);
    saveCanvas->setStyleSheet(blue);
    fName1 = new QLineEdit(f_name);
    fName1->setMaxLength(4096);
    auto* blank = new QPushButton(QString());
    for (QWidget* w : {static_cast<QWidget*>(saveCanvas), static_cast<QWidget*>(fName1.data()),
                       static_cast<QWidget*>(blank)}) {
        w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        first->addWidget(w);
    }
    connect(saveCanvas, SIGNAL(clicked()), this, SLOT(SaveCanvas()));
    connect(fName1, SIGNAL(textChanged(QString)), this, SLOT(SetFileName()));

    QHBoxLayout* second = row();
    auto* instructions = new QPushButton(read_inst);
    auto* reset = new QPushButton(reset_exe);
    auto* exit = new QPushButton(s_exit);
    instructions->setStyleSheet(blue);
    reset->setStyleSheet(blue);
    exit->setStyleSheet(red);
    for (QPushButton* b : {instructions, reset, exit}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        second->addWidget(b);
    }
    connect(instructions, SIGNAL(clicked()), this, SLOT(Instructions()));
    connect(reset, SIGNAL(clicked()), this, SLOT(ResetExercise()));
    connect(exit, SIGNAL(clicked()), this, SLOT(CloseWin()));
    return bar;
}

void TVSDReader::AutomaticMenu() {
    vexel::Browser* window = browser();
    window->setWindowTitle(messages_.windowTitle);
    // A later start rebuilds the window: the previous run's tabs go.
    for (auto area : {vexel::Browser::Right, vexel::Browser::Left, vexel::Browser::Bottom}) {
        QTabWidget* tabs = window->tabs(area);
        while (tabs->count() > 0) {
            QWidget* page = tabs->widget(0);
            window->removeTab(area, 0);
            delete page;
        }
    }
    frmMain = buildToolPanel();
    // The panel scrolls when the display is too low for it, so the button bar stays on screen.
    auto* panelScroll = new QScrollArea;
    panelScroll->setWidget(frmMain);
    panelScroll->setWidgetResizable(true);
    panelScroll->setFrameShape(QFrame::NoFrame);
    panelScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    window->addTab(vexel::Browser::Left, panelScroll, tools);
    window->tabs(vexel::Browser::Left)
        ->setMinimumWidth(frmMain->sizeHint().width() + 8 +
                          panelScroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QWidget* buttons = buildButtonBar();
    window->addTab(vexel::Browser::Bottom, buttons, " ");
    window->tabs(vexel::Browser::Bottom)->setMaximumHeight(buttons->sizeHint().height() + 40);
    VarPad();
    window->installEventFilter(this);
    window->show();
}
