#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

// Follows class folders and their subfolders while students save: tells when something in
// them may have changed, after a folder event and a short quiet time, and every second
// (a file copied in place changes without a folder event).
class ClassFolderWatcher : public QObject {
    Q_OBJECT
public:
    explicit ClassFolderWatcher(QObject* parent = nullptr);

    // Starts following the folders (files: their folders); refresh() chooses the folders to
    // watch.
    void follow(const QStringList& roots);
    // Watches the roots and their (not hidden) subfolders as they are now.
    void refresh();
    QStringList watchedFolders() const { return watcher_.directories(); }
    // Off: no folder is watched for change notices, as on a filesystem that gives none (a
    // network share); the look every second alone finds the changes. On at the start.
    void setChangeNotices(bool on);

signals:
    void mayHaveChanged();

private:
    QStringList roots_;
    QFileSystemWatcher watcher_;
    QTimer debounce_, poll_;
    bool notices_ = true;
};
