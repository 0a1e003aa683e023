#include "columns/ui/FilterListDraft.h"

#include "conditions/ConditionSet.h"
#include "system/ProgramState.h"

namespace {
// The "&Condizioni" item of the filter columns, and so their family.
constexpr int kFilterMenuItem = 3;
} // namespace

namespace varnelo {

void FilterListDraft::begin() {
    if (editing_)
        return;
    list_ = state_.families.filterList;
    editing_ = true;
    changed();
}

std::optional<Notice> FilterListDraft::end(bool keep) {
    if (keep) {
        ConditionFamilies& f = state_.families;
        ActiveFilters store = f.activeFilters;
        if (list_.active)
            if (auto refused = activateFilterList(list_, store))
                return refused;
        if (!(list_ == f.filterList) || !(store == f.activeFilters)) {
            f.filterList = list_;
            f.activeFilters = std::move(store);
            state_.modified = true;
            state_.modifiedFamilies.markFamily(familyOfMenuItem(kFilterMenuItem));
        }
    }
    editing_ = false;
    Q_EMIT ended();
    return std::nullopt;
}

void FilterListDraft::setMarked(std::size_t first, std::size_t last) {
    marked_ = {first, last};
    Q_EMIT markedChanged();
}

void FilterListDraft::setName(const std::string& name) {
    name_ = name;
    Q_EMIT nameChanged();
}

} // namespace varnelo
