#pragma once

#include <QIcon>
#include <QString>

namespace varnelo {

// The toolbar's pictures, drawn by the program itself so that they stay sharp
// and consistent on every platform style.
QIcon toolbarIcon(const QString& key);
// The program's own icon: a drawn lottery ball.
QIcon programIcon();

} // namespace varnelo
