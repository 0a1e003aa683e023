#pragma once

#include <QWidget>

class QLabel;
class QTableWidget;

namespace varnelo {

class Varnelo;

// "Condizioni:": the 41 families, those in play painted light green; a click
// on a row switches its sub-conditions from a pop-up list.
class CondizioniInGioco : public QWidget {
    Q_OBJECT
  public:
    explicit CondizioniInGioco(Varnelo& main);

    void refresh();
    // The pop-up entries of a family: slot and text with its state.
    QList<QPair<int, QString>> subConditions(int family) const;
    void toggleSlot(int slot);

  private:
    void showPopup(int family);

    Varnelo& main_;
    QTableWidget* list_ = nullptr;
    QLabel* modified_ = nullptr;
};

} // namespace varnelo
