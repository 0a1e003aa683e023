#pragma once

#include "checking/PrizeSheet.h"
#include "core/ProgramFolder.h"
#include "ui/ChildWindow.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace varnelo {

// "Prospetto Montepremio:": the wins realised at the point of sale, kept in
// enal/montepremi.txt (read on opening, written on closing) and printed as a
// sheet for the customers.
class Montepremi : public ChildWindow {
    Q_OBJECT
  public:
    explicit Montepremi(Shell& shell);
    ~Montepremi() override;

    // The sheet as the fields show it now.
    PrizeSheet sheet() const;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QWidget* makeShopFrame();
    QWidget* makePrizeFrame();
    void load();
    void fill(const PrizeSheet& sheet);
    // Writes the file unless it could not be read and nothing was changed
    // since, so that an unreadable file is not lost to an empty sheet.
    bool save(bool quietly);

    // Kept apart from the state: the window may outlive the main window's shell.
    ProgramFolder folder_;
    QComboBox* kind_ = nullptr;
    std::array<QLineEdit*, 4> shop_{};
    std::array<QLineEdit*, kPrizeRows> wins_{};
    std::array<QLineEdit*, kPrizeRows> amounts_{};
    bool open_ = false;
    bool keepFile_ = false;
    bool edited_ = false;
};

} // namespace varnelo
