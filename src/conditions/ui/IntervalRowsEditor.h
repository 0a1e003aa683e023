#pragma once

#include "conditions/DelayConditions.h"
#include "conditions/ui/ConditionStatisticsGrid.h"
#include "ui/ChildWindow.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class QCheckBox;
class QHBoxLayout;
class QLabel;
class QTableWidget;
class QTableWidgetItem;

namespace varnelo {

// The window of a family of interval rows ("Ritardi Vari", the ambo
// delays): per row three admitted intervals, a recovery interval and its
// level, typed into the grid `MSFlexGrid1`; the "Attiv." box, the archive
// figures of the highlighted row, "OK" and "Annulla". The rows are edited in
// place and "Annulla" (Escape, the close box) puts back what was there when
// the window opened.
class IntervalRowsEditor : public ChildWindow {
    Q_OBJECT
  public:
    // How a family reads and shows its values.
    struct Values {
        std::function<std::optional<std::int64_t>(std::string_view)> parse;
        std::function<QString(std::int64_t)> text;
        // Values are kept × scale; the statistics show the whole part.
        std::int64_t scale = 1;
    };

    IntervalRowsEditor(Shell& shell, const QString& name, const QString& title, WindowSlots slots,
                       int slot, QStringList rowNames, Values values);
    ~IntervalRowsEditor() override;

    // The captions of a family's `rows` rows, as `name` calls them.
    static QStringList rowCaptions(int rows, std::string_view (*name)(int));

    // The grid's columns: three admitted intervals, the level, the recovery interval.
    enum GridColumn { Level = 6, RecoveryMin = 7, RecoveryMax = 8, ColumnCount = 9 };

  protected:
    // The family's table within the families of the system.
    virtual DelayRows& rows() = 0;
    // The archive walk and system counts of a row, for the statistics grid.
    virtual ConditionStatisticsGrid::Source rowSource(int row) = 0;
    // Refreshes the family's figures beside the rows (opening, a new archive).
    virtual void showFigures() {}
    // A frame of the family's own beside the rows and their statistics.
    void addSideFrame(QWidget* frame);

    void showEvent(QShowEvent* event) override;
    bool forgetEdits() override;
    void closeEvent(QCloseEvent* event) override;
    void systemChanged() override;

  private:
    void startSession();
    void showAllRows();
    void showRow(int row);
    void take(QTableWidgetItem* item);
    void accept();
    QString recoveryOf(int row, int value) const;

    int slot_;
    Values values_;
    std::unique_ptr<TableEditor<DelayRows>> session_;
    QTableWidget* grid_ = nullptr;
    QCheckBox* box_ = nullptr;
    QLabel* message_ = nullptr;
    QHBoxLayout* side_ = nullptr;
    ConditionStatisticsGrid* statistics_ = nullptr;
    bool filling_ = false;
};

} // namespace varnelo
