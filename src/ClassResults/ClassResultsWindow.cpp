#include "ClassResultsWindow.h"

#include "Languages.h"

#include "Canvas.h"
#include "Messages.h"
#include "classroom/ClassResultsExport.h"
#include "classroom/ClassSummaryText.h"
#include "studentfiles/Combinations.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <filesystem>

namespace {

QTableWidget* makeTable(QWidget* parent) {
    auto* t = new QTableWidget(parent);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->verticalHeader()->setVisible(false);
    t->horizontalHeader()->setStretchLastSection(true);
    t->setAlternatingRowColors(true);
    return t;
}

QTableWidgetItem* textItem(const QString& text) {
    return new QTableWidgetItem(text);
}

QTableWidgetItem* numberItem(double value, int decimals = 0) {
    auto* item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole,
                  decimals ? QVariant(QString::number(value, 'f', decimals)) : QVariant(value));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

ClassResultsWindow::ClassResultsWindow(QWidget* parent)
    : QMainWindow(parent), texts_(ClassResultsTexts::forLanguage(vexel::Language())) {
    setObjectName("ClassResults");
    buildGui();
    connect(&watcher_, &ClassFolderWatcher::mayHaveChanged, this, &ClassResultsWindow::rescan);
    applyTexts();
    showResults();
}

void ClassResultsWindow::buildGui() {
    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);

    auto* top = new QHBoxLayout;
    languages_ = new QGroupBox(central);
    auto* langRow = new QHBoxLayout(languages_);
    const std::pair<const char*, void (ClassResultsWindow::*)()> langs[] = {
        {"EN", &ClassResultsWindow::EN},
        {"FR", &ClassResultsWindow::FR},
        {"DE", &ClassResultsWindow::DE},
        {"RO", &ClassResultsWindow::RO},
        {"IT", &ClassResultsWindow::IT}};
    for (const auto& [code, slot] : langs) {
        auto* b = new QPushButton(code, languages_);
        b->setObjectName(code);
        b->setFixedWidth(40);
        langRow->addWidget(b);
        connect(b, &QPushButton::clicked, this, slot);
    }
    // Languages beyond the five.
    for (const vexel::Language& language : vexel::Languages::installed().all()) {
        if (language.number() <= 5)
            continue;
        auto* b = new QPushButton(language.buttonText(), languages_);
        b->setObjectName(language.buttonText());
        b->setToolTip(language.name());
        b->setFixedWidth(40);
        langRow->addWidget(b);
        connect(b, &QPushButton::clicked, this,
                [this, number = language.number()] { setLanguage(number); });
    }
    top->addWidget(languages_);

    folderBox_ = new QGroupBox(central);
    auto* folderRow = new QHBoxLayout(folderBox_);
    chooseButton_ = new QPushButton(folderBox_);
    chooseButton_->setObjectName("chooseFolder");
    folderLabel_ = new QLabel(folderBox_);
    folderLabel_->setObjectName("folderLabel");
    folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long path must not squeeze the buttons.
    folderLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    folderRow->addWidget(chooseButton_);
    folderRow->addWidget(folderLabel_, 1);
    top->addWidget(folderBox_, 1);
    connect(chooseButton_, &QPushButton::clicked, this, &ClassResultsWindow::chooseFolder);

    exportPlotsButton_ = new QPushButton(central);
    exportPlotsButton_->setObjectName("exportPlots");
    exportTableButton_ = new QPushButton(central);
    exportTableButton_->setObjectName("exportTable");
    auto* exports = new QVBoxLayout;
    exports->addWidget(exportPlotsButton_);
    exports->addWidget(exportTableButton_);
    top->addLayout(exports);
    connect(exportPlotsButton_, &QPushButton::clicked, this, &ClassResultsWindow::exportPlotsAs);
    connect(exportTableButton_, &QPushButton::clicked, this, &ClassResultsWindow::exportTableAs);
    outer->addLayout(top);

    auto* split = new QSplitter(Qt::Horizontal, central);
    tabs_ = new QTabWidget;
    students_ = makeTable(tabs_);
    students_->setObjectName("students");
    unused_ = makeTable(tabs_);
    unused_->setObjectName("unused");
    lifetimes_ = makeTable(tabs_);
    lifetimes_->setObjectName("lifetimes");
    tabs_->addTab(students_, QString());
    tabs_->addTab(lifetimes_, QString());
    tabs_->addTab(unused_, QString());

    auto* left = new QWidget(split);
    auto* leftColumn = new QVBoxLayout(left);
    leftColumn->setContentsMargins(0, 0, 0, 0);
    leftColumn->addWidget(tabs_, 1);
    combinations_ = new QLabel(left);
    combinations_->setObjectName("combinations");
    combinations_->setWordWrap(true);
    combinations_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    leftColumn->addWidget(combinations_);

    auto* right = new QWidget(split);
    auto* rightColumn = new QVBoxLayout(right);
    rightColumn->setContentsMargins(0, 0, 0, 0);
    auto* trendRow = new QHBoxLayout;
    trendLabel_ = new QLabel(right);
    trendChoice_ = new QComboBox(right);
    trendChoice_->setObjectName("trendChoice");
    trendChoice_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    trendRow->addWidget(trendLabel_);
    trendRow->addWidget(trendChoice_);
    trendRow->addStretch(1);
    rightColumn->addLayout(trendRow);
    canvas_ = new vexel::Canvas("ClassCanvas", right);
    canvas_->divide(2, 1);
    rightColumn->addWidget(canvas_, 1);
    connect(trendChoice_, QOverload<int>::of(&QComboBox::activated), this,
            &ClassResultsWindow::trendChosen);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 2);
    split->setSizes({480, 820});
    outer->addWidget(split, 1);

    status_ = new QLabel(this);
    status_->setObjectName("status");
    statusBar()->addWidget(status_, 1);
    setCentralWidget(central);
    plot_ = std::make_unique<ClassResultsPlot>(*canvas_);
    resize(1320, 700);
}

void ClassResultsWindow::EN() {
    setLanguage(1);
}
void ClassResultsWindow::FR() {
    setLanguage(2);
}
void ClassResultsWindow::DE() {
    setLanguage(3);
}
void ClassResultsWindow::IT() {
    setLanguage(4);
}
void ClassResultsWindow::RO() {
    setLanguage(5);
}

void ClassResultsWindow::setLanguage(int code) {
    lang_ = code;
    texts_ = ClassResultsTexts::forLanguage(vexel::Languages::installed().byNumber(code));
    applyTexts();
    showResults();
}

void ClassResultsWindow::applyTexts() {
    setWindowTitle(texts_.windowTitle);
    languages_->setTitle(texts_.languagesTitle);
    folderBox_->setTitle(texts_.folderTitle);
    chooseButton_->setText(texts_.chooseFolder);
    exportPlotsButton_->setText(texts_.exportPlots);
    exportTableButton_->setText(texts_.exportTable);
    tabs_->setTabText(0, texts_.studentsTab);
    tabs_->setTabText(1, texts_.lifetimesTab);
    tabs_->setTabText(2, texts_.unusedTab);
    trendLabel_->setText(texts_.trendLabel);
}

QString ClassResultsWindow::folder() const {
    return folder_ ? QString::fromStdString(folder_->root()) : QString();
}

void ClassResultsWindow::setFolder(const QString& folder) {
    folder_ = std::make_unique<classroom::ClassFolder>(
        QFile::encodeName(QDir(folder).absolutePath()).toStdString());
    trend_ = 0;
    watcher_.follow(this->folder());
    rescan();
    showResults();
}

void ClassResultsWindow::chooseFolder() {
    const QString dir = QFileDialog::getExistingDirectory(this, texts_.folderTitle, folder());
    if (!dir.isEmpty())
        setFolder(dir);
}

void ClassResultsWindow::rescan() {
    if (!folder_)
        return;
    watcher_.refresh();
    if (!folder_->rescan())
        return;
    ++updates_;
    summary_ = classroom::summarize(folder_->files(), folder_->root());
    showResults();
}

void ClassResultsWindow::trendChosen() {
    trend_ = trendChoice_->currentData().toInt();
    plot_->draw(summary_, trend_, texts_);
}

QString ClassResultsWindow::relative(const std::string& path) const {
    return QDir(folder()).relativeFilePath(QFile::decodeName(path.c_str()));
}

void ClassResultsWindow::showResults() {
    if (!folder_)
        folderLabel_->setText(texts_.noFolder);
    else if (!folder_->readable())
        folderLabel_->setText(folder() + " - " + texts_.folderUnreadable);
    else
        folderLabel_->setText(folder());
    fillStudents();
    fillUnused();
    fillLifetimes();
    fillTrendChoice();
    plot_->draw(summary_, trend_, texts_);
    status_->setText(texts_.status.arg(summary_.used.size())
                         .arg(summary_.unused.size())
                         .arg(summary_.students.size())
                         .arg(summary_.totalEntries())
                         .arg(summary_.combinationsUsed.size())
                         .arg(kCombinations));
    combinations_->setText(texts_.combinationsUsed.arg(
        QString::fromStdString(classroom::combinationList(summary_.combinationsUsed))));
}

void ClassResultsWindow::fillStudents() {
    students_->setSortingEnabled(false);
    students_->clear();
    students_->setColumnCount(texts_.studentColumns.size());
    students_->setHorizontalHeaderLabels(texts_.studentColumns);
    students_->setRowCount(static_cast<int>(summary_.students.size()));
    int r = 0;
    for (const auto& s : summary_.students) {
        const bool split = !s.name.empty();
        students_->setItem(r, 0, textItem(QString::fromStdString(split ? s.name : s.identity)));
        students_->setItem(r, 1, textItem(QString::fromStdString(s.surname)));
        students_->setItem(r, 2, textItem(QString::fromStdString(s.grade)));
        students_->setItem(r, 3, numberItem(s.combination));
        students_->setItem(r, 4, s.entries ? numberItem(*s.entries) : textItem(QString()));
        students_->setItem(r, 5, numberItem(s.lifetimesSaved));
        ++r;
    }
    students_->setSortingEnabled(true);
    students_->resizeColumnsToContents();
}

void ClassResultsWindow::fillUnused() {
    unused_->clear();
    unused_->setColumnCount(texts_.unusedColumns.size());
    unused_->setHorizontalHeaderLabels(texts_.unusedColumns);
    unused_->setRowCount(static_cast<int>(summary_.unused.size()));
    int r = 0;
    for (const auto& u : summary_.unused) {
        unused_->setItem(r, 0, textItem(relative(u.path)));
        unused_->setItem(r, 1, textItem(texts_.reason(u.reason)));
        unused_->setItem(r, 2, textItem(QString::fromStdString(u.detail)));
        ++r;
    }
    unused_->resizeColumnsToContents();
}

void ClassResultsWindow::fillLifetimes() {
    lifetimes_->clear();
    lifetimes_->setColumnCount(texts_.lifetimeColumns.size());
    lifetimes_->setHorizontalHeaderLabels(texts_.lifetimeColumns);
    int rows = 0;
    for (const auto& t : summary_.trends)
        rows += static_cast<int>(t.classMeans.size());
    lifetimes_->setRowCount(rows);
    int r = 0;
    for (const auto& t : summary_.trends)
        for (const auto& c : t.classMeans) {
            lifetimes_->setItem(r, 0, textItem(texts_.trendNames.value(t.trend - 1)));
            lifetimes_->setItem(r, 1, numberItem(c.cut, 2));
            lifetimes_->setItem(r, 2, numberItem(c.mean, 4));
            lifetimes_->setItem(r, 3, numberItem(c.standardError, 4));
            lifetimes_->setItem(r, 4, numberItem(c.students));
            ++r;
        }
    lifetimes_->resizeColumnsToContents();
}

void ClassResultsWindow::fillTrendChoice() {
    bool known = false;
    for (const auto& t : summary_.trends)
        known = known || t.trend == trend_;
    if (!known)
        trend_ = ClassResultsPlot::defaultTrend(summary_);
    trendChoice_->clear();
    for (const auto& t : summary_.trends) {
        trendChoice_->addItem(texts_.trendNames.value(t.trend - 1), t.trend);
        if (t.trend == trend_)
            trendChoice_->setCurrentIndex(trendChoice_->count() - 1);
    }
    trendChoice_->setEnabled(trendChoice_->count() > 1);
}

bool ClassResultsWindow::exportPlots(const QString& path, QString* error) {
    if (path.endsWith(".root", Qt::CaseInsensitive)) {
        try {
            classroom::writeClassRoot(QFile::encodeName(path).toStdString(), summary_);
            return true;
        } catch (const std::exception& e) {
            if (error)
                *error = QString::fromLocal8Bit(e.what());
            return false;
        }
    }
    return canvas_->saveAs(path, error);
}

bool ClassResultsWindow::exportTable(const QString& path, QString* error) {
    try {
        classroom::writeStudentsCsv(QFile::encodeName(path).toStdString(), summary_,
                                    folder_ ? folder_->root() : std::string());
        return true;
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromLocal8Bit(e.what());
        return false;
    }
}

void ClassResultsWindow::exportPlotsAs() {
    QString filter = "PNG (*.png);;PDF (*.pdf);;ROOT (*.root)";
    QString path = QFileDialog::getSaveFileName(
        this, texts_.exportPlots, QDir(folder()).filePath("class-results.png"), filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".png";
    QString error;
    if (exportPlots(path, &error))
        statusBar()->showMessage(texts_.exported.arg(path), 5000);
    else
        vexel::showMessage(texts_.exportFailed, error, texts_.dismiss);
}

void ClassResultsWindow::exportTableAs() {
    QString path = QFileDialog::getSaveFileName(
        this, texts_.exportTable, QDir(folder()).filePath("class-results.csv"), "CSV (*.csv)");
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".csv";
    QString error;
    if (exportTable(path, &error))
        statusBar()->showMessage(texts_.exported.arg(path), 5000);
    else
        vexel::showMessage(texts_.exportFailed, error, texts_.dismiss);
}
