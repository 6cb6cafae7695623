#include "ClassResultsWindow.h"

#include "DataFiles.h"
#include "HandoutDialog.h"
#include "Languages.h"
#include "Messages.h"
#include "SaveFileDialog.h"
#include "classroom/ClassExport.h"
#include "classroom/ClassResultsExport.h"
#include "classroom/ClassSummaryText.h"
#include "studentfiles/Combinations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindow>

#include <chrono>

namespace {

QTableWidget* makeTable(QWidget* parent, const char* name) {
    auto* t = new QTableWidget(parent);
    t->setObjectName(name);
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

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Class labels are remembered by folder between runs.
QString labelKey(const QString& folder) {
    return "classLabels/" +
           QString::fromLatin1(folder.toUtf8().toBase64(QByteArray::Base64UrlEncoding));
}

classroom::ClassLabel rememberedLabel(const QString& folder) {
    QSettings settings;
    const QStringList parts = settings.value(labelKey(folder)).toStringList();
    if (parts.size() == 3)
        return {parts[0].toStdString(), parts[1].toStdString(), parts[2].toStdString()};
    return {settings.value("lastSchool").toString().toStdString(),
            QFileInfo(folder).fileName().toStdString(),
            QDate::currentDate().toString(Qt::ISODate).toStdString()};
}

void rememberLabel(const QString& folder, const classroom::ClassLabel& l) {
    QSettings settings;
    settings.setValue(labelKey(folder), QStringList{q(l.school), q(l.className), q(l.date)});
    if (!l.school.empty())
        settings.setValue("lastSchool", q(l.school));
}

} // namespace

ClassResultsWindow::ClassResultsWindow(QWidget* parent)
    : QMainWindow(parent), texts_(ClassResultsTexts::forLanguage(vexel::Language())),
      lesson_(LessonDayTexts::forLanguage(vexel::Language())) {
    setObjectName("ClassResults");
    buildGui();
    connect(&watcher_, &ClassFolderWatcher::mayHaveChanged, this, &ClassResultsWindow::rescan);
    applyTexts();
    recombine();
    showResults();
}

QWidget* ClassResultsWindow::buildSourcesBox(QWidget* parent) {
    classesBox_ = new QGroupBox(parent);
    auto* row = new QHBoxLayout(classesBox_);
    sourceList_ = new QListWidget(classesBox_);
    sourceList_->setObjectName("sources");
    sourceList_->setMaximumHeight(fontMetrics().height() * 5);
    row->addWidget(sourceList_, 1);
    auto* buttons = new QVBoxLayout;
    addFolderButton_ = new QPushButton(classesBox_);
    addFolderButton_->setObjectName("chooseFolder");
    addExportButton_ = new QPushButton(classesBox_);
    addExportButton_->setObjectName("chooseExport");
    removeButton_ = new QPushButton(classesBox_);
    removeButton_->setObjectName("removeClass");
    for (QPushButton* b : {addFolderButton_, addExportButton_, removeButton_})
        buttons->addWidget(b);
    row->addLayout(buttons);

    labelBox_ = new QGroupBox(classesBox_);
    auto* form = new QFormLayout(labelBox_);
    schoolLabel_ = new QLabel(labelBox_);
    classLabel_ = new QLabel(labelBox_);
    dateLabel_ = new QLabel(labelBox_);
    school_ = new QLineEdit(labelBox_);
    school_->setObjectName("school");
    className_ = new QLineEdit(labelBox_);
    className_->setObjectName("className");
    date_ = new QLineEdit(labelBox_);
    date_->setObjectName("date");
    form->addRow(schoolLabel_, school_);
    form->addRow(classLabel_, className_);
    form->addRow(dateLabel_, date_);
    row->addWidget(labelBox_, 1);
    for (QLineEdit* e : {school_, className_, date_})
        connect(e, &QLineEdit::editingFinished, this, &ClassResultsWindow::labelEdited);
    connect(addFolderButton_, &QPushButton::clicked, this, &ClassResultsWindow::chooseFolder);
    connect(addExportButton_, &QPushButton::clicked, this, &ClassResultsWindow::chooseExport);
    connect(removeButton_, &QPushButton::clicked, this, [this] {
        const int i = sourceList_->currentRow();
        if (i < 0)
            return;
        sources_.remove(static_cast<std::size_t>(i));
        followSources();
        rescan();
        recombine();
        showResults();
    });
    connect(sourceList_, &QListWidget::currentRowChanged, this, &ClassResultsWindow::sourceChosen);
    return classesBox_;
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
        b->setFixedWidth(fontMetrics().horizontalAdvance("WW") + 16);
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
        b->setFixedWidth(fontMetrics().horizontalAdvance("WW") + 16);
        langRow->addWidget(b);
        connect(b, &QPushButton::clicked, this,
                [this, number = language.number()] { setLanguage(number); });
    }
    top->addWidget(languages_, 0, Qt::AlignTop);
    top->addWidget(buildSourcesBox(central), 1);

    auto* actions = new QGridLayout;
    exportClassButton_ = new QPushButton(central);
    exportClassButton_->setObjectName("exportClass");
    exportPlotsButton_ = new QPushButton(central);
    exportPlotsButton_->setObjectName("exportPlots");
    exportTableButton_ = new QPushButton(central);
    exportTableButton_->setObjectName("exportTable");
    handOutButton_ = new QPushButton(central);
    handOutButton_->setObjectName("handOut");
    projectorButton_ = new QPushButton(central);
    projectorButton_->setObjectName("projector");
    actions->addWidget(handOutButton_, 0, 0);
    actions->addWidget(exportClassButton_, 1, 0);
    actions->addWidget(projectorButton_, 2, 0);
    actions->addWidget(exportPlotsButton_, 0, 1);
    actions->addWidget(exportTableButton_, 1, 1);
    guideButton_ = new QPushButton(central);
    guideButton_->setObjectName("teachersGuide");
    actions->addWidget(guideButton_, 2, 1);
    connect(guideButton_, &QPushButton::clicked, this, &ClassResultsWindow::openGuide);
    top->addLayout(actions);
    connect(exportPlotsButton_, &QPushButton::clicked, this, &ClassResultsWindow::exportPlotsAs);
    connect(exportTableButton_, &QPushButton::clicked, this, &ClassResultsWindow::exportTableAs);
    connect(exportClassButton_, &QPushButton::clicked, this, &ClassResultsWindow::exportClassAs);
    connect(handOutButton_, &QPushButton::clicked, this, [this] { openHandout()->open(); });
    connect(projectorButton_, &QPushButton::clicked, this, &ClassResultsWindow::openProjector);
    outer->addLayout(top);

    auto* ruleRow = new QHBoxLayout;
    countEvery_ = new QCheckBox(central);
    countEvery_->setObjectName("countEveryFile");
    ruleText_ = new QLabel(central);
    ruleText_->setObjectName("rule");
    ruleText_->setWordWrap(true);
    ruleRow->addWidget(countEvery_);
    ruleRow->addWidget(ruleText_, 1);
    outer->addLayout(ruleRow);
    connect(countEvery_, &QCheckBox::toggled, this, &ClassResultsWindow::setCountEveryFile);

    auto* split = new QSplitter(Qt::Horizontal, central);
    tabs_ = new QTabWidget;
    classes_ = makeTable(tabs_, "classes");
    students_ = makeTable(tabs_, "students");
    lifetimes_ = makeTable(tabs_, "lifetimes");
    unused_ = makeTable(tabs_, "unused");
    tabs_->addTab(classes_, QString());
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
    plot_ = new ClassResultsPlot(right);
    rightColumn->addWidget(plot_, 1);
    connect(trendChoice_, QOverload<int>::of(&QComboBox::activated), this,
            &ClassResultsWindow::trendChosen);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    split->setSizes({2000, 3000});
    outer->addWidget(split, 1);

    status_ = new QLabel(this);
    status_->setObjectName("status");
    statusBar()->addWidget(status_, 1);
    setCentralWidget(central);
    resize(1320, 720);
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

void ClassResultsWindow::openGuide() {
    const vexel::Language& language = vexel::Languages::installed().byNumber(lang_);
    const auto guide = DataFiles::findGuide(language.code().toStdString());
    if (!guide) {
        vexel::showMessage(
            lesson_.guide,
            lesson_.guideMissing.arg(QString::fromStdString(DataFiles::guideFolder())),
            texts_.dismiss);
        return;
    }
    const QString file = QFileInfo(QString::fromStdString(*guide)).absoluteFilePath();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
        vexel::showMessage(lesson_.guide, lesson_.guideNotOpened.arg(file), texts_.dismiss);
}

void ClassResultsWindow::setLanguage(int code) {
    lang_ = code;
    const vexel::Language& language = vexel::Languages::installed().byNumber(code);
    texts_ = ClassResultsTexts::forLanguage(language);
    lesson_ = LessonDayTexts::forLanguage(language);
    applyTexts();
    showResults();
}

void ClassResultsWindow::applyTexts() {
    setWindowTitle(texts_.windowTitle);
    languages_->setTitle(texts_.languagesTitle);
    classesBox_->setTitle(lesson_.classesTitle);
    addFolderButton_->setText(lesson_.addFolder);
    addExportButton_->setText(lesson_.addExport);
    removeButton_->setText(lesson_.removeClass);
    labelBox_->setTitle(lesson_.labelTitle);
    schoolLabel_->setText(lesson_.school);
    classLabel_->setText(lesson_.className);
    dateLabel_->setText(lesson_.date);
    exportClassButton_->setText(lesson_.exportClass);
    exportPlotsButton_->setText(texts_.exportPlots);
    exportTableButton_->setText(texts_.exportTable);
    handOutButton_->setText(lesson_.handOut);
    projectorButton_->setText(lesson_.projector);
    guideButton_->setText(lesson_.guide);
    countEvery_->setText(lesson_.countEveryFile);
    tabs_->setTabText(0, lesson_.classesTab);
    tabs_->setTabText(1, texts_.studentsTab);
    tabs_->setTabText(2, texts_.lifetimesTab);
    tabs_->setTabText(3, texts_.unusedTab);
    trendLabel_->setText(texts_.trendLabel);
}

QString ClassResultsWindow::folder() const {
    for (const auto& s : sources_.sources())
        if (!s.isExport)
            return QFile::decodeName(s.path.c_str());
    return QString();
}

QStringList ClassResultsWindow::sourcePaths() const {
    QStringList out;
    for (const auto& s : sources_.sources())
        out << QFile::decodeName(s.path.c_str());
    return out;
}

void ClassResultsWindow::setFolder(const QString& folder) {
    while (!sources_.sources().empty())
        sources_.remove(0);
    trend_ = 0;
    addFolder(folder);
}

void ClassResultsWindow::addFolder(const QString& folder) {
    const QString path = QDir(folder).absolutePath();
    sources_.addFolder(QFile::encodeName(path).toStdString(), rememberedLabel(path));
    followSources();
    rescan();
    recombine();
    showResults();
    sourceList_->setCurrentRow(static_cast<int>(sources_.sources().size()) - 1);
}

void ClassResultsWindow::addExport(const QString& file) {
    sources_.addExport(QFile::encodeName(QFileInfo(file).absoluteFilePath()).toStdString());
    followSources();
    rescan();
    recombine();
    showResults();
}

void ClassResultsWindow::followSources() {
    QStringList roots;
    for (const auto& s : sources_.sources())
        roots << QFile::decodeName(s.path.c_str());
    watcher_.follow(roots);
    watcher_.refresh();
}

void ClassResultsWindow::setLabel(int source, const classroom::ClassLabel& label) {
    if (source < 0 || source >= static_cast<int>(sources_.sources().size()) ||
        sources_.sources()[source].isExport)
        return;
    sources_.setLabel(static_cast<std::size_t>(source), label);
    rememberLabel(QFile::decodeName(sources_.sources()[source].path.c_str()), label);
    recombine();
    showResults();
}

void ClassResultsWindow::setCountEveryFile(bool every) {
    rule_ = every ? classroom::DuplicateRule::CountEveryFile : classroom::DuplicateRule::CountOnce;
    if (countEvery_->isChecked() != every)
        countEvery_->setChecked(every);
    recombine();
    showResults();
}

void ClassResultsWindow::labelEdited() {
    setLabel(sourceList_->currentRow(),
             {school_->text().trimmed().toStdString(), className_->text().trimmed().toStdString(),
              date_->text().trimmed().toStdString()});
}

void ClassResultsWindow::sourceChosen() {
    const int i = sourceList_->currentRow();
    const bool folder = i >= 0 && i < static_cast<int>(sources_.sources().size()) &&
                        !sources_.sources()[i].isExport;
    const classroom::ClassLabel label =
        folder ? sources_.sources()[i].label : classroom::ClassLabel{};
    school_->setText(q(label.school));
    className_->setText(q(label.className));
    date_->setText(q(label.date));
    for (QLineEdit* e : {school_, className_, date_})
        e->setEnabled(folder);
    exportClassButton_->setEnabled(folder);
}

void ClassResultsWindow::chooseFolder() {
    const QString dir = QFileDialog::getExistingDirectory(this, lesson_.addFolder, folder());
    if (!dir.isEmpty())
        addFolder(dir);
}

void ClassResultsWindow::chooseExport() {
    const QStringList files =
        QFileDialog::getOpenFileNames(this, lesson_.addExport, folder(), "ROOT (*.root)");
    for (const QString& f : files)
        addExport(f);
}

void ClassResultsWindow::rescan() {
    watcher_.refresh();
    if (!sources_.rescan())
        return;
    ++updates_;
    recombine();
    showResults();
}

void ClassResultsWindow::recombine() {
    day_ = sources_.combine(rule_);
}

void ClassResultsWindow::trendChosen() {
    trend_ = trendChoice_->currentData().toInt();
    plot_->draw(day_, trend_, texts_, lesson_);
    if (projector_)
        projector_->draw(day_, trend_, texts_, lesson_);
}

QString ClassResultsWindow::shown(const std::string& path) const {
    const QString p = QFile::decodeName(path.c_str());
    for (const auto& s : sources_.sources())
        if (!s.isExport && p.startsWith(QFile::decodeName(s.path.c_str()) + "/"))
            return QDir(QFile::decodeName(s.path.c_str())).relativeFilePath(p);
    return p;
}

void ClassResultsWindow::showResults() {
    fillSources();
    fillClasses();
    fillStudents();
    fillUnused();
    fillLifetimes();
    fillTrendChoice();
    plot_->draw(day_, trend_, texts_, lesson_);
    if (projector_)
        projector_->draw(day_, trend_, texts_, lesson_);
    const auto& s = day_.total;
    ruleText_->setText(
        (day_.rule == classroom::DuplicateRule::CountOnce ? lesson_.ruleOnce : lesson_.ruleEvery) +
        "\n" + lesson_.lifetimeRule);
    status_->setText(texts_.status.arg(s.used.size())
                         .arg(day_.unused.size())
                         .arg(s.students.size())
                         .arg(s.totalEntries())
                         .arg(s.combinationsUsed.size())
                         .arg(kCombinations));
    QString combinations =
        texts_.combinationsUsed.arg(q(classroom::combinationList(s.combinationsUsed)));
    if (!s.combinationsTwice.empty())
        combinations +=
            "\n" + lesson_.twice.arg(q(classroom::combinationList(s.combinationsTwice)));
    combinations_->setText(combinations);
}

void ClassResultsWindow::fillSources() {
    const int current = sourceList_->currentRow();
    sourceList_->blockSignals(true);
    sourceList_->clear();
    for (std::size_t i = 0; i < sources_.sources().size(); ++i) {
        const auto& s = sources_.sources()[i];
        QString text = QFile::decodeName(s.path.c_str());
        if (!s.isExport && !s.label.empty())
            text = q(s.label.shown()) + " - " + text;
        if (!sources_.readable(i))
            text += " - " + texts_.folderUnreadable;
        sourceList_->addItem(text);
    }
    if (sourceList_->count() == 0)
        sourceList_->addItem(texts_.noFolder);
    sourceList_->setCurrentRow(std::min(std::max(current, 0), sourceList_->count() - 1));
    sourceList_->blockSignals(false);
    sourceChosen();
}

void ClassResultsWindow::fillClasses() {
    classes_->clear();
    classes_->setColumnCount(lesson_.classColumns.size());
    classes_->setHorizontalHeaderLabels(lesson_.classColumns);
    const bool several = day_.classes.size() > 1;
    classes_->setRowCount(static_cast<int>(day_.classes.size()) + (several ? 1 : 0));
    auto fill = [this](int r, const QString& name, const classroom::ClassSummary& s,
                       const QColor& colour) {
        auto* n = textItem(name);
        n->setForeground(colour);
        classes_->setItem(r, 0, n);
        classes_->setItem(r, 1, numberItem(static_cast<double>(s.students.size())));
        classes_->setItem(r, 2, numberItem(s.totalEntries()));
        const auto& f = s.massFit.fit;
        classes_->setItem(
            r, 3,
            textItem(
                f.valid
                    ? QString("%1 ± %2").arg(f.parameters[1], 0, 'f', 2).arg(f.errors[1], 0, 'f', 2)
                    : texts_.noFit));
        classes_->setItem(
            r, 4,
            textItem(
                f.valid
                    ? QString("%1 ± %2").arg(f.parameters[2], 0, 'f', 2).arg(f.errors[2], 0, 'f', 2)
                    : QString()));
        QStringList cells;
        for (const auto& t : s.trends)
            if (t.trend == trend_)
                for (const auto& c : t.classMeans)
                    cells << lesson_.lifetimeCell.arg(c.cut, 0, 'f', 2)
                                 .arg(c.mean, 0, 'f', 4)
                                 .arg(c.spread, 0, 'f', 4);
        classes_->setItem(r, 5, textItem(cells.join("; ")));
    };
    for (std::size_t i = 0; i < day_.classes.size(); ++i)
        fill(static_cast<int>(i), q(day_.classes[i].name), day_.classes[i].summary,
             several ? ClassResultsPlot::classColour(static_cast<int>(i)).darker(130) : Qt::black);
    if (several)
        fill(static_cast<int>(day_.classes.size()), lesson_.allClasses, day_.total, Qt::black);
    classes_->resizeColumnsToContents();
}

void ClassResultsWindow::fillStudents() {
    QStringList columns = texts_.studentColumns;
    columns << lesson_.studentClass << lesson_.sameCombination;
    students_->setSortingEnabled(false);
    students_->clear();
    students_->setColumnCount(columns.size());
    students_->setHorizontalHeaderLabels(columns);
    students_->setRowCount(static_cast<int>(day_.total.students.size()));
    int r = 0;
    for (const auto& s : day_.total.students) {
        const bool split = !s.name.empty();
        students_->setItem(r, 0, textItem(q(split ? s.name : s.identity)));
        students_->setItem(r, 1, textItem(q(s.surname)));
        students_->setItem(r, 2, textItem(q(s.grade)));
        students_->setItem(r, 3, numberItem(s.combination));
        students_->setItem(r, 4, s.entries ? numberItem(*s.entries) : textItem(QString()));
        students_->setItem(r, 5, numberItem(s.lifetimesSaved));
        students_->setItem(r, 6, textItem(q(s.classFolder)));
        auto* flag = textItem(!s.sharesCombination ? QString()
                              : s.counted          ? lesson_.sharedCounted
                                                   : lesson_.sharedNotCounted);
        if (s.sharesCombination)
            flag->setForeground(QColor(180, 0, 0));
        students_->setItem(r, 7, flag);
        ++r;
    }
    students_->setSortingEnabled(true);
    students_->resizeColumnsToContents();
}

void ClassResultsWindow::fillUnused() {
    unused_->clear();
    unused_->setColumnCount(texts_.unusedColumns.size());
    unused_->setHorizontalHeaderLabels(texts_.unusedColumns);
    unused_->setRowCount(static_cast<int>(day_.unused.size()));
    int r = 0;
    for (const auto& u : day_.unused) {
        unused_->setItem(r, 0, textItem(shown(u.path)));
        unused_->setItem(r, 1,
                         textItem(u.reason == classroom::UnusedReason::NewerFormat
                                      ? lesson_.newerFormat
                                      : texts_.reason(u.reason)));
        unused_->setItem(r, 2, textItem(q(u.detail)));
        ++r;
    }
    unused_->resizeColumnsToContents();
}

void ClassResultsWindow::fillLifetimes() {
    lifetimes_->clear();
    lifetimes_->setColumnCount(lesson_.lifetimeColumns.size());
    lifetimes_->setHorizontalHeaderLabels(lesson_.lifetimeColumns);
    std::vector<std::pair<QString, const classroom::ClassSummary*>> classes;
    for (const auto& c : day_.classes)
        classes.emplace_back(q(c.name), &c.summary);
    if (day_.classes.size() > 1)
        classes.emplace_back(lesson_.allClasses, &day_.total);
    int rows = 0;
    for (const auto& [name, s] : classes)
        for (const auto& t : s->trends)
            rows += static_cast<int>(t.classMeans.size());
    lifetimes_->setRowCount(rows);
    int r = 0;
    for (const auto& [name, s] : classes)
        for (const auto& t : s->trends)
            for (const auto& c : t.classMeans) {
                lifetimes_->setItem(r, 0, textItem(name));
                lifetimes_->setItem(r, 1, textItem(texts_.trendNames.value(t.trend - 1)));
                lifetimes_->setItem(r, 2, numberItem(c.cut, 2));
                lifetimes_->setItem(r, 3, numberItem(c.mean, 4));
                lifetimes_->setItem(r, 4, numberItem(c.spread, 4));
                lifetimes_->setItem(
                    r, 5,
                    textItem(
                        QString("%1 ... %2").arg(c.lowest, 0, 'f', 4).arg(c.highest, 0, 'f', 4)));
                lifetimes_->setItem(r, 6, numberItem(c.analysisError, 4));
                lifetimes_->setItem(r, 7, numberItem(c.students));
                ++r;
            }
    lifetimes_->resizeColumnsToContents();
}

void ClassResultsWindow::fillTrendChoice() {
    bool known = false;
    for (const auto& t : day_.total.trends)
        known = known || t.trend == trend_;
    if (!known)
        trend_ = ClassResultsPlot::defaultTrend(day_.total);
    trendChoice_->clear();
    for (const auto& t : day_.total.trends) {
        trendChoice_->addItem(texts_.trendNames.value(t.trend - 1), t.trend);
        if (t.trend == trend_)
            trendChoice_->setCurrentIndex(trendChoice_->count() - 1);
    }
    trendChoice_->setEnabled(trendChoice_->count() > 1);
}

QString ClassResultsWindow::exportPathFor(int source, const QString& folder) const {
    const auto& s = sources_.sources();
    const classroom::ClassLabel label = source >= 0 && source < static_cast<int>(s.size())
                                            ? s[source].label
                                            : classroom::ClassLabel{};
    return QDir(folder).filePath(QString::fromStdString(label.exportFileName()));
}

bool ClassResultsWindow::exportClass(int source, const QString& path, QString* error) {
    const auto& s = sources_.sources();
    if (source < 0 || source >= static_cast<int>(s.size()) || s[source].isExport) {
        if (error)
            *error = lesson_.exportClassNeedsFolder;
        return false;
    }
    const auto c = std::find_if(day_.classes.begin(), day_.classes.end(), [&](const auto& c) {
        return !c.fromExport && c.source == s[source].path;
    });
    if (c == day_.classes.end()) {
        if (error)
            *error = lesson_.exportClassNeedsFolder;
        return false;
    }
    try {
        const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
        classroom::writeClassExport(QFile::encodeName(path).toStdString(), c->summary,
                                    s[source].label, now);
        return true;
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromLocal8Bit(e.what());
        return false;
    }
}

bool ClassResultsWindow::exportPlots(const QString& path, QString* error) {
    if (path.endsWith(".root", Qt::CaseInsensitive)) {
        int first = 0;
        while (first < static_cast<int>(sources_.sources().size()) &&
               sources_.sources()[first].isExport)
            ++first;
        return exportClass(first, path, error);
    }
    return plot_->saveAs(path, error);
}

bool ClassResultsWindow::exportTable(const QString& path, QString* error) {
    try {
        classroom::writeLessonDayCsv(QFile::encodeName(path).toStdString(), day_);
        return true;
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromLocal8Bit(e.what());
        return false;
    }
}

void ClassResultsWindow::exportPlotsAs() {
    const QString path =
        askSavePath(this, texts_.exportPlots, QDir(folder()).filePath("class-results.png"),
                    "PNG (*.png);;PDF (*.pdf)", "png");
    if (path.isEmpty())
        return;
    QString error;
    if (exportPlots(path, &error))
        statusBar()->showMessage(texts_.exported.arg(path), 5000);
    else
        vexel::showMessage(texts_.exportFailed, error, texts_.dismiss);
}

void ClassResultsWindow::exportTableAs() {
    const QString path =
        askSavePath(this, texts_.exportTable, QDir(folder()).filePath("class-results.csv"),
                    "CSV (*.csv)", "csv");
    if (path.isEmpty())
        return;
    QString error;
    if (exportTable(path, &error))
        statusBar()->showMessage(texts_.exported.arg(path), 5000);
    else
        vexel::showMessage(texts_.exportFailed, error, texts_.dismiss);
}

void ClassResultsWindow::exportClassAs() {
    const int source = sourceList_->currentRow();
    QString error = lesson_.exportClassNeedsFolder;
    if (source < 0 || source >= static_cast<int>(sources_.sources().size()) ||
        sources_.sources()[source].isExport) {
        vexel::showMessage(texts_.exportFailed, error);
        return;
    }
    // Beside the class folder, where the other classes' exports are collected.
    const QString folderPath = QFile::decodeName(sources_.sources()[source].path.c_str());
    const QString path = askSavePath(this, lesson_.exportClass,
                                     exportPathFor(source, QFileInfo(folderPath).absolutePath()),
                                     "ROOT (*.root)", "root");
    if (path.isEmpty())
        return;
    if (exportClass(source, path, &error))
        statusBar()->showMessage(lesson_.classExported.arg(path), 5000);
    else
        vexel::showMessage(texts_.exportFailed, error);
}

HandoutDialog* ClassResultsWindow::openHandout() {
    QStringList names;
    for (const auto& c : day_.classes)
        names << q(c.name);
    std::set<int> analysed;
    for (const auto& s : day_.total.students)
        analysed.insert(s.combination);
    auto* dialog = new HandoutDialog(lesson_, analysed, names.join(", "), this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    return dialog;
}

void ClassResultsWindow::openProjector() {
    if (!projector_) {
        projector_ = new ProjectorView(this);
        projector_->setAttribute(Qt::WA_DeleteOnClose);
    }
    // On the screen the window is on (a projector shown as a second screen: move it there).
    if (QScreen* screen = windowHandle() ? windowHandle()->screen() : nullptr)
        projector_->setGeometry(screen->geometry());
    projector_->showFullScreen();
    projector_->draw(day_, trend_, texts_, lesson_);
}
