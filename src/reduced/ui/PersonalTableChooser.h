#pragma once

#include "reduced/PersonalTable.h"
#include "ui/ChildWindow.h"

#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace varnelo {

class TableModel;

// The file list of the `ridotti` folder shared by `GestioneRidotto` and
// `GestRidottiP`: the personal tables with their header (a damaged one
// listed as such), "Apri" and "Elimina sistema evidenziato". The pattern
// box chooses the files shown, the systems of `qor/` too ("*.sse", "*").
class PersonalTableChooser : public ChildWindow {
    Q_OBJECT
  public:
    PersonalTableChooser(Shell& shell, const QString& name, const QString& title);

  protected:
    // The table chosen with "Apri", read without a fault.
    virtual void openTable(const PersonalTable& table, const std::string& name) = 0;
    void showEvent(QShowEvent* event) override;
    // A saved system may now match the pattern.
    void systemChanged() override {
        if (isVisible())
            fill();
    }

  private:
    struct Entry {
        std::string name;
        bool system = false;
    };
    void fill();
    std::optional<Entry> highlighted() const;
    // A system in a list of tables: "Questo e un Sistema!".
    bool refusedSystem(const Entry& e);
    void open();
    void erase();

    std::vector<Entry> entries_;
    TableModel* model_ = nullptr;
    QSortFilterProxyModel* sorted_ = nullptr;
    QTableView* list_ = nullptr;
    QLineEdit* pattern_ = nullptr;
    QPushButton* open_ = nullptr;
};

} // namespace varnelo
