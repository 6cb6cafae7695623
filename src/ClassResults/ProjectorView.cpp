#include "ProjectorView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

ProjectorView::ProjectorView(QWidget* parent)
    : QWidget(parent, Qt::Window), header_(new QLabel(this)), plot_(new ClassResultsPlot(this)) {
    setObjectName("ProjectorView");
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    auto* layout = new QVBoxLayout(this);
    header_->setObjectName("projectorHeader");
    header_->setWordWrap(true);
    layout->addWidget(header_);
    layout->addWidget(plot_, 1);
}

int ProjectorView::fontPixelsFor(int screenHeight) {
    return std::max(24, screenHeight / 40);
}

void ProjectorView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int pixels = fontPixelsFor(height());
    if (plot_->fontPixels() != pixels) {
        QFont f = font();
        f.setPixelSize(pixels);
        header_->setFont(f);
        plot_->setFontPixels(pixels);
    }
}

void ProjectorView::draw(const classroom::LessonDay& day, int trend, const ClassResultsTexts& texts,
                         const LessonDayTexts& lesson) {
    QStringList names;
    for (const auto& c : day.classes)
        names << QString::fromStdString(c.name);
    setWindowTitle(lesson.projector);
    header_->setText(
        names.join(" · ") + "\n" +
        (day.rule == classroom::DuplicateRule::CountOnce ? lesson.ruleOnce : lesson.ruleEvery) +
        "   " + lesson.closeProjector);
    plot_->draw(day, trend, texts, lesson);
}

void ProjectorView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}
