#pragma once
// Pictures the widget tests make (a window, a printed page), kept in the test output for a person to see.
#include <QDir>
#include <QImage>
#include <QWidget>

namespace quorvane::test {
inline void savePicture(const QImage& picture, const QString& name) {
    const QString out = qEnvironmentVariable("QUORVANE_TEST_OUTPUT");
    if (!out.isEmpty() && QDir().mkpath(out)) picture.save(out + "/" + name + ".png");
}
inline void saveShot(QWidget* w, const QString& name) { savePicture(w->grab().toImage(), name); }
}  // namespace quorvane::test
