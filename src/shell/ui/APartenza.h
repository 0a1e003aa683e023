#pragma once

#include <QWidget>

namespace varnelo {

// The start-up picture window: the player's background picture with the
// program's name, up while the files load.
class APartenza : public QWidget {
    Q_OBJECT
  public:
    explicit APartenza(const QPixmap& picture);
};

} // namespace varnelo
