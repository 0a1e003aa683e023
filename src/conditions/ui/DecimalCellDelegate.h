#pragma once

#include <QStyledItemDelegate>

#include <cstdint>
#include <optional>

namespace varnelo {

// The editor `Text1` over a grid of decimal values: digits and one comma
// with up to two decimals (a point becomes a comma); Enter or a blank
// confirms.
class DecimalCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

  protected:
    bool eventFilter(QObject* object, QEvent* event) override;
};

// A typed cell × 100: empty is 0, 10000 or more is 9999; nullopt when the
// text is no number (the cell then keeps its value).
std::optional<std::int64_t> typedDecimal(const QString& text);
// A value × 100 as the cells show it, "###0.00" with a comma; empty for 0
// when `blankZero`.
QString decimalCellText(std::int64_t value, bool blankZero = false);

} // namespace varnelo
