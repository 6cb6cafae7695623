#include "HandoutDialog.h"

#include "HandoutSheet.h"
#include "Messages.h"
#include "SaveFileDialog.h"
#include "studentfiles/Combinations.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

HandoutDialog::HandoutDialog(const LessonDayTexts& texts, std::set<int> avoid, QString forWhom,
                             QWidget* parent)
    : QDialog(parent), texts_(texts), avoid_(std::move(avoid)), forWhom_(std::move(forWhom)) {
    setObjectName("HandoutDialog");
    setWindowTitle(texts_.handOutTitle);
    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(texts_.namesPrompt, this), 0, 0);
    names_ = new QPlainTextEdit(this);
    names_->setObjectName("names");
    grid->addWidget(names_, 1, 0);
    auto* assignNamesButton = new QPushButton(texts_.assignNames, this);
    assignNamesButton->setObjectName("assignNames");
    grid->addWidget(assignNamesButton, 2, 0);
    auto* groupsRow = new QHBoxLayout;
    groupsRow->addWidget(new QLabel(texts_.groupsPrompt, this));
    groups_ = new QSpinBox(this);
    groups_->setObjectName("groups");
    groups_->setRange(1, kCombinations);
    groups_->setValue(10);
    groupsRow->addWidget(groups_);
    auto* assignGroupsButton = new QPushButton(texts_.assignGroups, this);
    assignGroupsButton->setObjectName("assignGroups");
    groupsRow->addWidget(assignGroupsButton);
    groupsRow->addStretch(1);
    grid->addLayout(groupsRow, 3, 0);

    table_ = new QTableWidget(0, 2, this);
    table_->setObjectName("handout");
    table_->setHorizontalHeaderLabels({texts_.nameColumn, texts_.combinationColumn});
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->verticalHeader()->setVisible(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->addWidget(table_, 0, 1, 4, 1);
    message_ = new QLabel(this);
    message_->setObjectName("handoutMessage");
    message_->setWordWrap(true);
    grid->addWidget(message_, 4, 0, 1, 2);
    auto* saves = new QHBoxLayout;
    saveSheet_ = new QPushButton(texts_.saveSheet, this);
    saveList_ = new QPushButton(texts_.saveList, this);
    saves->addStretch(1);
    saves->addWidget(saveSheet_);
    saves->addWidget(saveList_);
    grid->addLayout(saves, 5, 0, 1, 2);
    saveSheet_->setEnabled(false);
    saveList_->setEnabled(false);
    connect(assignNamesButton, &QPushButton::clicked, this,
            [this] { assignNames(names_->toPlainText()); });
    connect(assignGroupsButton, &QPushButton::clicked, this,
            [this] { assignGroups(groups_->value()); });
    connect(saveSheet_, &QPushButton::clicked, this, &HandoutDialog::saveSheetAs);
    connect(saveList_, &QPushButton::clicked, this, &HandoutDialog::saveListAs);
    resize(760, 520);
}

void HandoutDialog::assignNames(const QString& names) {
    present(classroom::handOutToNames(names.toStdString(), avoid_));
}

void HandoutDialog::assignGroups(int groups) {
    present(classroom::handOutToGroups(groups, texts_.groupWord.toStdString(), avoid_));
}

QString HandoutDialog::message() const {
    return message_->text();
}

void HandoutDialog::present(classroom::Handout h) {
    using Problem = classroom::Handout::Problem;
    QStringList lines;
    switch (h.problem) {
    case Problem::NoNames:
        lines << texts_.noNames;
        break;
    case Problem::DuplicateNames: {
        QStringList names;
        for (const auto& n : h.names)
            names << QString::fromStdString(n);
        lines << texts_.duplicateNames.arg(names.join(", "));
        break;
    }
    case Problem::TooManyNames:
        lines << texts_.tooManyNames.arg(h.count).arg(kCombinations);
        break;
    case Problem::TooManyGroups:
        lines << texts_.tooManyGroups.arg(kCombinations);
        break;
    case Problem::None:
        lines << texts_.assigned.arg(h.lines.size());
        break;
    }
    if (h.blankLinesSkipped > 0)
        lines << texts_.blankLines.arg(h.blankLinesSkipped);
    if (h.reused > 0)
        lines << texts_.reused.arg(static_cast<int>(h.lines.size()) - h.reused).arg(h.reused);
    message_->setText(lines.join(' '));
    table_->setRowCount(static_cast<int>(h.lines.size()));
    for (int r = 0; r < table_->rowCount(); ++r) {
        table_->setItem(r, 0, new QTableWidgetItem(QString::fromStdString(h.lines[r].name)));
        auto* c = new QTableWidgetItem(QString::number(h.lines[r].combination));
        c->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table_->setItem(r, 1, c);
    }
    table_->resizeColumnToContents(0);
    handout_ = std::move(h);
    saveSheet_->setEnabled(!handout_.lines.empty());
    saveList_->setEnabled(!handout_.lines.empty());
}

bool HandoutDialog::saveSheet(const QString& path, QString* error) {
    return writeHandoutSheet(path, handout_, forWhom_, texts_, error);
}

bool HandoutDialog::saveList(const QString& path, QString* error) {
    try {
        classroom::writeHandoutCsv(QFile::encodeName(path).toStdString(), handout_);
        return true;
    } catch (const std::exception& e) {
        if (error)
            *error = QString::fromLocal8Bit(e.what());
        return false;
    }
}

void HandoutDialog::saveSheetAs() {
    const QString path = askSavePath(this, texts_.saveSheet, "data-sets.pdf", "PDF (*.pdf)", "pdf");
    if (path.isEmpty())
        return;
    QString error;
    if (!saveSheet(path, &error))
        vexel::showMessage(texts_.saveSheet, error);
}

void HandoutDialog::saveListAs() {
    const QString path = askSavePath(this, texts_.saveList, "data-sets.csv", "CSV (*.csv)", "csv");
    if (path.isEmpty())
        return;
    QString error;
    if (!saveList(path, &error))
        vexel::showMessage(texts_.saveList, error);
}
