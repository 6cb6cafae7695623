#include "ClippedText.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>

namespace vexel::test {

namespace {

QString describe(const QWidget* w, const QString& text) {
    QString name = w->objectName();
    if (name.isEmpty())
        name = w->metaObject()->className();
    return QString("%1 \"%2\"").arg(name, text);
}

QString misfit(const QWidget* w, const QString& text, QSize needed, QSize room) {
    return QString("%1 needs %2x%3, has %4x%5")
        .arg(describe(w, text))
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

// The size of one line of text as the widget draws it.
QSize lineSize(const QFontMetrics& metrics, const QString& text) {
    return QSize(metrics.horizontalAdvance(QString(text).remove('&')), metrics.height());
}

void checkLabel(const QLabel* label, QStringList& faults) {
    const QString text = label->text();
    if (text.isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull())
        return;
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    QSize needed;
    if (Qt::mightBeRichText(text) && label->textFormat() != Qt::PlainText) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        if (label->wordWrap())
            document.setTextWidth(room.width());
        needed = document.size().toSize();
    } else if (label->wordWrap()) {
        // Wrapped: the height its width gives, and no single word wider than a line.
        const QFontMetrics metrics(label->font());
        const QRect wrapped =
            metrics.boundingRect(QRect(0, 0, room.width(), 100000), Qt::TextWordWrap, text);
        int widestWord = 0;
        for (const QString& word : text.split(QRegExp("\\s+"), Qt::SkipEmptyParts))
            widestWord = std::max(widestWord, metrics.horizontalAdvance(word));
        needed = QSize(widestWord, wrapped.height());
    } else {
        const QFontMetrics metrics(label->font());
        int width = 0;
        const QStringList lines = text.split('\n');
        for (const QString& line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        needed = QSize(width, metrics.height() * lines.size());
    }
    if (needed.width() > room.width() || needed.height() > room.height())
        faults << misfit(label, text, needed, room.size());
}

void checkButton(const QPushButton* button, QStringList& faults) {
    const QString text = button->text();
    if (text.isEmpty())
        return;
    // The room the style leaves for the contents: the button less its frame and margins.
    QStyleOptionButton option;
    option.initFrom(button);
    option.features =
        button->autoDefault() ? QStyleOptionButton::AutoDefaultButton : QStyleOptionButton::None;
    const QSize padding =
        button->style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), button);
    QSize needed = lineSize(button->fontMetrics(), text);
    if (!button->icon().isNull())
        needed.rwidth() += button->iconSize().width() + 4;
    const QSize room = button->size() - padding;
    if (needed.width() > room.width() || needed.height() > room.height())
        faults << misfit(button, text, needed, room);
}

void checkCheckBox(const QCheckBox* box, QStringList& faults) {
    const QString text = box->text();
    if (text.isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(box);
    const QStyle* style = box->style();
    const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, box) +
                          style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box);
    const QSize needed = lineSize(box->fontMetrics(), text);
    const QSize room(box->width() - indicator, box->height());
    if (needed.width() > room.width() || needed.height() > room.height())
        faults << misfit(box, text, needed, room);
}

void checkGroupBox(const QGroupBox* group, QStringList& faults) {
    const QString title = group->title();
    if (!title.isEmpty()) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = title;
        option.lineWidth = 1;
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        option.textAlignment = group->alignment();
        option.features = group->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
        const QRect titleRect = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                               QStyle::SC_GroupBoxLabel, group);
        // The style sizes the title's rect to its text; the group must hold that rect.
        if (!group->rect().contains(titleRect))
            faults << misfit(group, title, QSize(titleRect.right() + 1, titleRect.height()),
                             group->size());
    }
    // Children placed by hand must stay inside the group.
    for (const QWidget* child :
         group->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child->isVisibleTo(group) && !group->rect().contains(child->geometry()))
            faults << QString("%1 sticks out of %2: %3,%4 %5x%6 in %7x%8")
                          .arg(describe(child, ""), describe(group, title))
                          .arg(child->x())
                          .arg(child->y())
                          .arg(child->width())
                          .arg(child->height())
                          .arg(group->width())
                          .arg(group->height());
}

void checkTabs(const QTabBar* bar, QStringList& faults) {
    for (int i = 0; i < bar->count(); ++i) {
        const QString text = bar->tabText(i);
        if (text.trimmed().isEmpty() || !bar->isTabVisible(i))
            continue;
        QStyleOptionTab option;
        option.initFrom(bar);
        option.rect = bar->tabRect(i);
        option.text = text;
        option.shape = bar->shape();
        option.icon = bar->tabIcon(i);
        option.iconSize = bar->iconSize();
        option.documentMode = bar->documentMode();
        if (QWidget* close = bar->tabButton(i, QTabBar::RightSide))
            option.rightButtonSize = close->size();
        const QRect room = bar->style()->subElementRect(QStyle::SE_TabBarTabText, &option, bar);
        const QSize needed = lineSize(bar->fontMetrics(), text);
        if (needed.width() > room.width())
            faults << misfit(bar, text, needed, room.size());
    }
}

} // namespace

QStringList clippedTexts(QWidget* window) {
    QStringList faults;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (!w->isVisibleTo(window) && w != window)
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            checkLabel(label, faults);
        else if (auto* button = qobject_cast<QPushButton*>(w))
            checkButton(button, faults);
        else if (auto* box = qobject_cast<QCheckBox*>(w))
            checkCheckBox(box, faults);
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            checkGroupBox(group, faults);
        else if (auto* bar = qobject_cast<QTabBar*>(w))
            checkTabs(bar, faults);
    }
    return faults;
}

} // namespace vexel::test
