#pragma once

#include "conditions/AndOrFilter.h"
#include "conditions/ui/QuadroImport.h"
#include "ui/ChildWindow.h"

#include <array>
#include <optional>

#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTableView;
class QTableWidget;

namespace varnelo {

class QuadroStatistics;
class TableModel;

// "Quadro": the twenty AND/OR quadri A..T. For the quadro chosen in
// " quadro attivo:" its filter columns, the hits each admits ("Presenze:"),
// its logic, activation and ranges; the OR requirement of all quadri; the
// quadro files and the imports. The quadri are edited in place and
// "Annulla" (Escape, the close box) puts back what was there when the
// window opened.
class ColAndOr : public ChildWindow, public QuadroImport {
    Q_OBJECT
  public:
    explicit ColAndOr(Shell& shell);
    ~ColAndOr() override;

    // QuadroImport
    AndOrQuadro* importQuadro() override;
    QString importCaption() const override;
    QString importSource() const override { return importSource_; }
    void columnsImported() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool forgetEdits() override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    QWidget* makeQuadroList();
    QWidget* makeColumnFrame();
    QWidget* makeSettingsFrame();
    void startSession();
    AndOrSet& set();
    AndOrQuadro& quadro();
    void showQuadro(int k);
    void fillQuadroRow(int k);
    void fillColumns();
    void fillPresences();
    void takeSettings();
    int currentColumn() const;
    void addTyped();
    void addFrom(int source);
    void deleteCurrent();
    void deleteRange();
    void changeHits();
    void replaceSign();
    void openCar();
    void saveCar();
    void accept();
    // A notice of the core, when there is one.
    void tell(const std::optional<Notice>& notice);

    std::optional<AndOrSet> snapshot_;
    int current_ = 0;
    bool filling_ = false;
    QTableWidget* quadri_ = nullptr;
    QGroupBox* columnFrame_ = nullptr;
    TableModel* columnsModel_ = nullptr;
    QTableView* columns_ = nullptr;
    QTableWidget* presences_ = nullptr;
    QLineEdit* name_ = nullptr;
    QRadioButton* orLogic_ = nullptr;
    QRadioButton* andLogic_ = nullptr;
    QCheckBox* active_ = nullptr;
    std::array<QSpinBox*, 2> guessed_{};
    std::array<QSpinBox*, 2> points_{};
    std::array<QCheckBox*, kAndOrQuadri + 1> orCounts_{};
    QLineEdit* typed_ = nullptr;
    std::array<QSpinBox*, 2> typedHits_{};
    QComboBox* source_ = nullptr;
    QuadroStatistics* statistics_ = nullptr;
    QString importSource_;
};

} // namespace varnelo
