#include "stats/ui/ComboFilterProxy.h"

#include "ui/ModelRoles.h"

#include <QRegularExpression>

#include <algorithm>

namespace varnelo {

ComboFilterProxy::ComboFilterProxy(QObject* parent) : QSortFilterProxyModel(parent) {
    setSortRole(SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void ComboFilterProxy::setNumbers(const QString& text) {
    std::vector<int> numbers;
    static const QRegularExpression digits("\\d+");
    for (auto it = digits.globalMatch(text); it.hasNext();) {
        const int n = it.next().captured().toInt();
        if (n >= 1 && n <= 49 && std::find(numbers.begin(), numbers.end(), n) == numbers.end())
            numbers.push_back(n);
    }
    numbers_ = std::move(numbers);
    invalidateFilter();
}

bool ComboFilterProxy::filterAcceptsRow(int row, const QModelIndex& parent) const {
    if (numbers_.empty())
        return true;
    const QStringList parts = sourceModel()->index(row, 0, parent).data().toString().split('-');
    return std::all_of(numbers_.begin(), numbers_.end(), [&parts](int n) {
        return std::any_of(parts.begin(), parts.end(),
                           [n](const QString& p) { return p.toInt() == n; });
    });
}

} // namespace varnelo
