#include "ClassFolderWatcher.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

ClassFolderWatcher::ClassFolderWatcher(QObject* parent) : QObject(parent) {
    debounce_.setSingleShot(true);
    debounce_.setInterval(250);
    connect(&debounce_, &QTimer::timeout, this, &ClassFolderWatcher::mayHaveChanged);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &debounce_,
            qOverload<>(&QTimer::start));
    poll_.setInterval(1000);
    connect(&poll_, &QTimer::timeout, this, &ClassFolderWatcher::mayHaveChanged);
}

void ClassFolderWatcher::follow(const QStringList& roots) {
    roots_ = roots;
    poll_.start();
}

void ClassFolderWatcher::refresh() {
    QStringList wanted;
    for (const QString& root : roots_) {
        if (QFileInfo(root).isFile()) {
            wanted << QFileInfo(root).absolutePath();
            continue;
        }
        if (root.isEmpty() || !QFileInfo(root).isDir())
            continue;
        wanted << root;
        QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            wanted << it.next();
    }
    wanted.removeDuplicates();
    if (!notices_)
        wanted.clear();
    const QStringList watched = watcher_.directories();
    for (const QString& d : watched)
        if (!wanted.contains(d))
            watcher_.removePath(d);
    for (const QString& d : wanted)
        if (!watched.contains(d))
            watcher_.addPath(d);
}

void ClassFolderWatcher::setChangeNotices(bool on) {
    notices_ = on;
    refresh();
}
