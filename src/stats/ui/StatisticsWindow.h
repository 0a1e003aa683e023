#pragma once

#include "core/DrawLine.h"
#include "stats/StatTable.h"
#include "ui/ChildWindow.h"

#include <QSize>

#include <functional>
#include <vector>

class QChartView;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTableView;

namespace varnelo {

class ComboFilterProxy;
class TableModel;

// What makes one statistics window different from the others.
struct StatWindowLayout {
    // A figure the player chooses: the cycle length, the spy number, how many.
    struct Parameter {
        QString label; // empty: no figure to choose
        int minimum = 0;
        int maximum = 0;
        int initial = 0;
    };

    QString name; // the window's objectName
    QString title;
    // The file name offered by the exports.
    QString fileName;
    Parameter parameter;
    // The tables over the statistics selection (oldest draw first).
    std::function<std::vector<StatTable>(const std::vector<Draw>&, int parameter)> build;
    // The column drawn as bars under tables of at most 60 rows; -1 none.
    int chartColumn = -1;
    // A filter on the numbers of the combinations in the first column.
    bool comboFilter = false;
    // How each figure is read, under the table.
    QString note;
    QSize size{760, 640};
};

// The shape every statistics window shares: the tables of the selection, one
// shown at a time (chosen in a list when there are several), sortable on any
// heading, with bars where a picture reads better, and the text and
// spreadsheet exports of all the tables.
class StatisticsWindow : public ChildWindow {
    Q_OBJECT
  public:
    StatisticsWindow(Shell& shell, StatWindowLayout shape);

    const std::vector<StatTable>& tables() const { return tables_; }
    int parameter() const;
    // The frame opens the window at its hint: the size the tables need.
    QSize sizeHint() const override;

  protected:
    // Only a change of the selection changes the tables.
    void systemChanged() override;
    // The row of commands, for windows that add their own.
    QHBoxLayout* commandRow() const { return commands_; }
    // The tables were rebuilt.
    virtual void rebuilt() {}

  private:
    void rebuild();
    void showTable(int index);
    void saveText();
    void exportWorkbook();
    QString suggestedFile(const QString& extension) const;

    StatWindowLayout layout_;
    std::vector<StatTable> tables_;
    std::vector<Draw> counted_; // the selection the tables were built on
    QComboBox* chooser_ = nullptr;
    QSpinBox* parameter_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QLabel* range_ = nullptr;
    TableModel* model_ = nullptr;
    ComboFilterProxy* proxy_ = nullptr;
    QTableView* view_ = nullptr;
    QChartView* chart_ = nullptr;
    QHBoxLayout* commands_ = nullptr;
};

} // namespace varnelo
