#pragma once

#include "conditions/Metrics.h"
#include "conditions/Picchetto.h"
#include "conditions/Sequele.h"
#include "core/ColumnStore.h"
#include "core/Progress.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace varnelo {

// A heading of a page of "Condizioni sul sistema in corso": a slot of the
// condition set, or a picchetto (1..10) summed over the column's numbers.
struct SystemMetric {
    std::string name;
    int slot = 0;
    int picchetto = 0;
};

struct SystemConditionPage {
    std::string caption;
    std::vector<SystemMetric> metrics;
};

// The pages of `Statvideo`, in the order of its buttons.
const std::vector<SystemConditionPage>& systemConditionPages();

struct SystemConditionRow {
    std::string label; // "3 =", or "12,50 =" for a picchetto sum
    std::vector<std::int64_t> counts;
};

// How many columns of the developed system take each value of every metric
// of the pages, tallied from the stored columns once the run is over.
class SystemConditions {
  public:
    struct Inputs {
        MetricContext context;
        const SequelePatterns& sequele;
        const PicchettoTable& picchetti;
    };

    SystemConditions();

    void add(const Column& c, const Inputs& in);
    // Rows 1..storedCount; false when cancelled, the counts then stay partial.
    bool tally(const ColumnStore& columns, const Inputs& in, Progress& progress);

    std::int64_t columns() const { return columns_; }
    // The values some column takes on the page, lowest first, one row each.
    std::vector<SystemConditionRow> pageRows(int page) const;
    // The page as printed: the count of columns, the headings and the rows.
    std::vector<std::string> pageText(int page) const;

  private:
    std::int64_t count(const SystemMetric& m, std::int64_t value) const;

    std::int64_t columns_ = 0;
    std::vector<std::vector<std::int64_t>> slots_; // by slot, by value
    std::vector<std::map<std::int64_t, std::int64_t>> picchetti_;
};

} // namespace varnelo
