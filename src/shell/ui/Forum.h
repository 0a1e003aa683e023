#pragma once

#include <QDialog>

namespace varnelo {

// "Informazioni su Varnelo": name, version and where the draws come from.
class Forum : public QDialog {
    Q_OBJECT
  public:
    explicit Forum(QWidget* parent = nullptr);
};

} // namespace varnelo
