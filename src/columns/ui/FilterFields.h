#pragma once

#include <QGroupBox>

#include <cstddef>
#include <utility>

class QSpinBox;

namespace varnelo {

// Two spin boxes side by side in a frame: a first and a last value. The
// companions of `ColonneFiltro` use it for the positions of filter columns
// ("dalla" .. "alla") and for the admitted hits ("Min." .. "Max.").
class RangeBox : public QGroupBox {
    Q_OBJECT
  public:
    // The spin boxes are named `name`(0) and `name`(1).
    RangeBox(const QString& title, const QString& firstLabel, const QString& lastLabel,
             const QString& name, QWidget* parent = nullptr);

    void setBounds(int lowest, int highest);
    void setValues(int first, int last);
    int first() const;
    int last() const;
    std::pair<std::size_t, std::size_t> positions() const;

  private:
    QSpinBox* boxes_[2] = {};
};

// Hits of a filter column: 0..5.
RangeBox* hitRangeBox(const QString& title, const QString& name, QWidget* parent);

} // namespace varnelo
