#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <string>

class launcher;
class QPushButton;
namespace vexel {
class Browser;
}

// The event-display exercise window.
class Frame : public QObject {
    Q_OBJECT
public:
    Frame(const int lang, const char* user, QString pathSave2, int h, launcher* lstart);
    ~Frame() override;

    vexel::Browser* browser() const { return browser_; }

public slots:
    void makeGui();
    void Exit();

private:
    std::string user1;
    int lang1;
    int combination_;
    launcher* l_start;
    vexel::Browser* browser_;
    QPushButton* fTextButton834; // exit button
};
