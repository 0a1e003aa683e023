#include "conditions/ui/DecimalCellDelegate.h"

#include "conditions/DecimalCells.h"
#include "conditions/SumQuadro.h"
#include "ui/Text.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

namespace varnelo {

namespace {

// Keys other than digits and one comma are refused as they are typed.
class DecimalValidator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        static const QRegularExpression shape("^[0-9]*(,[0-9]{0,2})?$");
        input.replace('.', ',');
        return shape.match(input).hasMatch() ? Acceptable : Invalid;
    }
};

} // namespace

QWidget* DecimalCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                           const QModelIndex&) const {
    auto* editor = new QLineEdit(parent);
    editor->setObjectName("Text1");
    editor->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    editor->setValidator(new DecimalValidator(editor));
    return editor;
}

bool DecimalCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QWidget*>(object);
    if (editor && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        Q_EMIT commitData(editor);
        Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
        return true;
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

std::optional<std::int64_t> typedDecimal(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return 0;
    return sumCellValue(trimmed.toStdString());
}

QString decimalCellText(std::int64_t value, bool blankZero) {
    if (blankZero && value == 0)
        return {};
    return qs(scaledText(value, 2));
}

} // namespace varnelo
