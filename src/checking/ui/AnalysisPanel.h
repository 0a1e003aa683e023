#pragma once

#include "checking/ConditionAnalysis.h"
#include "ui/PrintPreview.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;

namespace varnelo {

struct ProgramState;
class TableModel;

// The condition analysis `MSFlCondizion`: the combination taken as one
// column against every condition of the system, with "Stampa Debug"
// (every row) and "Stampa Debug Errori" (the rows it fails).
class AnalysisPanel : public QWidget {
    Q_OBJECT
  public:
    explicit AnalysisPanel(QWidget* parent);

    void analyse(const ProgramState& state, const Combination& combination);
    const std::vector<AnalysisRow>& rows() const { return rows_; }
    // The document "Stampa Debug" previews.
    PagePainter debugDocument(bool errorsOnly) const;
    // The refresh key `SpoglioVai`(7): the window answers it.
    QPushButton* refreshButton() const { return refresh_; }

  private:
    void print(bool errorsOnly);
    void showRows();

    std::vector<AnalysisRow> rows_;
    QString heading_;
    TableModel* model_ = nullptr;
    QLabel* summary_ = nullptr;
    QCheckBox* activeOnly_ = nullptr;
    QPushButton* refresh_ = nullptr;
    QPushButton* print_[2] = {};
};

} // namespace varnelo
