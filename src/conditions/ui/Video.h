#pragma once

#include "ui/ChildWindow.h"

#include <cstdint>
#include <memory>

class QLabel;
class QTableView;

namespace varnelo {

class SystemConditions;
class TableModel;

// "Condizioni sul sistema in corso": how the developed columns spread over
// the condition metrics, one page of metrics at a time, printable.
class Video : public ChildWindow {
    Q_OBJECT
  public:
    explicit Video(Shell& shell);
    ~Video() override;

    // Tallies the stored columns again; false when there are none or the
    // player stopped the count.
    bool fill();
    void showPage(int page);
    int page() const { return page_; }

  protected:
    void systemChanged() override;

  private:
    QStringList printedLines() const;
    QString printHeading() const;
    void printPage();
    void preview();

    std::unique_ptr<SystemConditions> tally_;
    std::int32_t tallied_ = -1;
    bool tallying_ = false;
    int page_ = 0;
    TableModel* model_ = nullptr;
    QTableView* grid_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* caption_ = nullptr;
};

} // namespace varnelo
