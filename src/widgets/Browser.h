#pragma once

#include <QMainWindow>

class QTabWidget;
class QSplitter;

namespace vexel {

class Canvas;

// A main window with three tab areas: left (tool panels), right (views and
// canvases) and bottom (button bars). Right-hand tabs can be closed by the user;
// closing one deletes its page. An area without tabs is hidden.
class Browser : public QMainWindow {
    Q_OBJECT
public:
    enum Area { Left = 0, Right = 1, Bottom = 2 };

    explicit Browser(QWidget* parent = nullptr);

    QTabWidget* tabs(Area area) const;

    // Adds page as a new tab of area, brings it to the front, returns its index.
    int addTab(Area area, QWidget* page, const QString& title);
    // Index of the tab titled exactly title (case-sensitive), or -1.
    int findTab(Area area, const QString& title) const;
    bool hasTab(Area area, const QString& title) const { return findTab(area, title) >= 0; }
    // Brings the tab titled title to the front; false when there is none.
    bool raiseTab(Area area, const QString& title);
    // Removes the tab at index without deleting its page; false when there is none.
    bool removeTab(Area area, int index);
    void setTabTitle(Area area, int index, const QString& title);

    // The canvas of the right-hand tab titled `title`, brought to the front with pad 1
    // current. When there is no such tab (never made, or closed by the student) a new canvas
    // named `canvasName`, divided into columns x rows pads, is added in a new tab;
    // *created then says so.
    Canvas* canvasTab(const QString& title, const QString& canvasName, int columns = 1,
                      int rows = 1, bool* created = nullptr);

signals:
    void rightTabClosed(QWidget* page);

public slots:
    void closeRightTab(int index);

private:
    void updateAreaVisibility();

    QTabWidget* areas_[3];
    QSplitter* horizontal_;
    QSplitter* vertical_;
};

} // namespace vexel
