#pragma once

#include "columns/ui/FilterCompanion.h"
#include "conditions/FilterColumns.h"

#include <array>

class QChartView;
class QLabel;
class QSplitter;
class QTabWidget;
class QTableView;

namespace varnelo {

class TableModel;

// The analyses of the filter list, one page each: "Analisi statistica",
// "Analisi statistica per Anno", "Frequenza Numeri" and "Distribuzione ò
// previsioni sul sistema in corso". A page is worked out when it is shown
// and again after the list changed.
class ColonneFiltroAnalisi : public FilterCompanion {
    Q_OBJECT
  public:
    ColonneFiltroAnalisi(Shell& shell, FilterListDraft& draft);
    QSize sizeHint() const override;

  protected:
    void systemChanged() override;

  private:
    enum Page { Columns, Years, Numbers, System, PageCount };
    struct PageParts {
        QLabel* summary = nullptr;
        TableModel* model = nullptr;
        QTableView* view = nullptr;
        QChartView* chart = nullptr;
        TableModel* second = nullptr; // the system page's table per filter column
        QSplitter* split = nullptr;
    };
    // The table shows every column; the chart takes the rest.
    static void fitTable(PageParts& parts);
    QWidget* makePage(Page page);
    void showPage(int page);
    void fillColumns();
    void fillYears();
    void fillNumbers();
    void fillSystem();
    // The list as "Attivazione" would store it; false after the refusal.
    bool activated(ActiveFilters& store);

    QTabWidget* tabs_ = nullptr;
    std::array<PageParts, PageCount> pages_{};
    std::array<bool, PageCount> filled_{};
};

} // namespace varnelo
