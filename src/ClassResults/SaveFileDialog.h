#pragma once

#include <QString>

class QWidget;

// Asks where to save a file. A name typed without an extension gets `suffix` (without the
// dot); an empty string means the teacher cancelled.
QString askSavePath(QWidget* parent, const QString& title, const QString& proposed,
                    const QString& filter, const QString& suffix);
