#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Follows a class folder and its subfolders while students save: tells when something in
// them may have changed, after a folder event and a short quiet time, and every second
// (a file copied in place changes without a folder event).
class ClassFolderWatcher : public QObject {
    Q_OBJECT
public:
    explicit ClassFolderWatcher(QObject* parent = nullptr);

    // Starts following root; refresh() chooses the folders to watch.
    void follow(const QString& root);
    // Watches root and its (not hidden) subfolders as they are now.
    void refresh();
    QStringList watchedFolders() const { return watcher_.directories(); }

signals:
    void mayHaveChanged();

private:
    QString root_;
    QFileSystemWatcher watcher_;
    QTimer debounce_, poll_;
};
