#pragma once

#include <QSortFilterProxyModel>

#include <vector>

namespace varnelo {

// Sorts on the raw values and, when numbers are typed, keeps the rows whose
// first column ("01-02-03") holds every one of them.
class ComboFilterProxy : public QSortFilterProxyModel {
    Q_OBJECT
  public:
    explicit ComboFilterProxy(QObject* parent);
    // Any text: the numbers 1..49 in it are the filter, the rest is ignored.
    void setNumbers(const QString& text);

  protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override;

  private:
    std::vector<int> numbers_;
};

} // namespace varnelo
