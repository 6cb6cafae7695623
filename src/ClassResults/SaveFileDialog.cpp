#include "SaveFileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

QString askSavePath(QWidget* parent, const QString& title, const QString& proposed,
                    const QString& filter, const QString& suffix) {
    QString path = QFileDialog::getSaveFileName(parent, title, proposed, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += '.' + suffix;
    return path;
}
