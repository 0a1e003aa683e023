#pragma once

#include <QDir>
#include <QPixmap>
#include <QWidget>

// Saves a picture of a window when VARNELO_SCREENSHOTS names a folder, so that
// every window can be looked at after a test run.
inline void saveScreenshot(QWidget* w, const QString& name) {
    const QString dir = qEnvironmentVariable("VARNELO_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w->grab().save(dir + "/" + name + ".png");
}
