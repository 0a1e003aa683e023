#include "conditions/ui/IntervalRowsEditor.h"

#include "conditions/ConditionSet.h"
#include "system/ProgramState.h"
#include "ui/Avviso.h"
#include "ui/DialogParts.h"
#include "ui/Shell.h"
#include "ui/Text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace varnelo {

namespace {

// Typed values take digits, the comma and a minus; the level is chosen from its list.
class CellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        if (index.column() == IntervalRowsEditor::Level) {
            auto* levels = new QComboBox(parent);
            for (int l = 0; l <= kLevelCount; ++l)
                levels->addItem(qs(recoveryLevelName(l)));
            return levels;
        }
        auto* edit = new QLineEdit(parent);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[-0-9,.]*"), edit));
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return edit;
    }
};

// The interval a grid column belongs to, and whether the column is its Max.
Interval& intervalOf(IntervalRow& row, int column) {
    return column >= IntervalRowsEditor::RecoveryMin
               ? row.recovery
               : row.admitted[static_cast<std::size_t>(column / 2)];
}
bool isMax(int column) {
    return column == IntervalRowsEditor::RecoveryMax ||
           (column < IntervalRowsEditor::Level && column % 2 == 1);
}

const QColor kRecoveryColumns(255, 228, 228);
constexpr int kValueColumnWidth = 58;

} // namespace

IntervalRowsEditor::IntervalRowsEditor(Shell& shell, const QString& name, const QString& title,
                                       WindowSlots slots, int slot, QStringList rowNames,
                                       Values values)
    : ChildWindow(shell, name, slots), slot_(slot), values_(std::move(values)) {
    setWindowTitle(title);
    grid_ = new QTableWidget(static_cast<int>(rowNames.size()), ColumnCount, this);
    grid_->setObjectName("MSFlexGrid1");
    grid_->setHorizontalHeaderLabels(
        {"Min.", "Max.", "Min.", "Max.", "Min.", "Max.", "Rec.", "Min.", "Max."});
    for (int c = 0; c < ColumnCount; ++c) {
        const QString tip = c == Level         ? "Livello del recupero"
                            : c >= RecoveryMin ? "Intervallo di recupero"
                                               : QString("%1° intervallo ammesso").arg(c / 2 + 1);
        grid_->horizontalHeaderItem(c)->setToolTip(tip);
        grid_->setColumnWidth(c, kValueColumnWidth);
    }
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->setVerticalHeaderLabels(rowNames);
    // Bold captions of the current row would widen the grid past its frame.
    grid_->verticalHeader()->setHighlightSections(false);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->verticalHeader()->setDefaultSectionSize(22);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                           QAbstractItemView::AnyKeyPressed);
    grid_->setItemDelegate(new CellDelegate(grid_));
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(grid_, &QTableWidget::itemChanged, this, &IntervalRowsEditor::take);
    connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int, int before) {
        if (row >= 0 && row != before)
            showRow(row);
    });

    auto* rowsFrame = new QGroupBox("Intervalli ammessi:", this);
    auto* legend = new QLabel("Doppio clic o un numero per scrivere, Invio conferma. Un intervallo "
                              "vale quando il suo Max. è maggiore di 0. \"Rec.\": il livello "
                              "dell'intervallo di recupero (le ultime due colonne).",
                              rowsFrame);
    legend->setWordWrap(true);
    message_ = new QLabel(rowsFrame);
    message_->setObjectName("LabAvviso");
    message_->setStyleSheet("color: #b00000;");
    auto* rowsLayout = new QVBoxLayout(rowsFrame);
    rowsLayout->addWidget(grid_);
    rowsLayout->addWidget(legend);
    rowsLayout->addWidget(message_);
    rowsLayout->addStretch();

    statistics_ = new ConditionStatisticsGrid(
        state(), [this](int value) { return recoveryOf(grid_->currentRow(), value); }, this);
    statistics_->setSource([this](int row) { return rowSource(row); });

    box_ = new QCheckBox("Attiv.", this);
    box_->setObjectName("CheckAttiva");
    connect(box_, &QCheckBox::toggled, this, [this](bool on) {
        if (session_)
            session_->setBox(on);
    });
    auto* reset = namedButton("Azzera condizione", "CommAzzera", this);
    connect(reset, &QPushButton::clicked, this, [this] {
        if (!session_)
            return;
        for (IntervalRow& r : rows().rows)
            r = IntervalRow{};
        box_->setChecked(false);
        showAllRows();
    });
    auto* ok = namedButton("OK", "CommOk", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &IntervalRowsEditor::accept);
    auto* cancel = namedButton("Annulla", "CommAnnulla", this);
    connect(cancel, &QPushButton::clicked, this, [this] { closeWindow(); });

    // The grid shows every row and column without scrolling.
    int captionWidth = 0;
    for (const QString& name : rowNames)
        captionWidth = std::max(captionWidth, grid_->fontMetrics().horizontalAdvance(name));
    grid_->verticalHeader()->setFixedWidth(captionWidth + 16);
    grid_->setFixedSize(grid_->verticalHeader()->width() + ColumnCount * kValueColumnWidth +
                            2 * grid_->frameWidth(),
                        grid_->horizontalHeader()->sizeHint().height() +
                            grid_->rowCount() * grid_->verticalHeader()->defaultSectionSize() +
                            2 * grid_->frameWidth());
    legend->setMaximumWidth(grid_->width());

    auto* left = new QVBoxLayout;
    left->addWidget(rowsFrame);
    left->addWidget(statistics_, 1);
    side_ = new QHBoxLayout;
    side_->addLayout(left, 1);
    auto* commands = new QHBoxLayout;
    commands->addWidget(box_);
    commands->addWidget(reset);
    commands->addStretch();
    commands->addWidget(cancel);
    commands->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(side_, 1);
    layout->addLayout(commands);
}

QStringList IntervalRowsEditor::rowCaptions(int rows, std::string_view (*name)(int)) {
    QStringList captions;
    for (int r = 0; r < rows; ++r)
        captions << qs(name(r));
    return captions;
}

IntervalRowsEditor::~IntervalRowsEditor() = default;

void IntervalRowsEditor::addSideFrame(QWidget* frame) {
    side_->addWidget(frame);
}

// Every opening is a session of its own: "Annulla" goes back to this moment.
void IntervalRowsEditor::showEvent(QShowEvent* event) {
    if (!session_)
        startSession();
    ChildWindow::showEvent(event);
}

void IntervalRowsEditor::startSession() {
    session_ = std::make_unique<TableEditor<DelayRows>>(rows(), state().conditions, slot_);
    {
        const QSignalBlocker quiet(box_);
        box_->setChecked(session_->box());
    }
    message_->clear();
    showAllRows();
    showFigures();
    grid_->setCurrentCell(0, 0);
    showRow(0);
}

void IntervalRowsEditor::showAllRows() {
    filling_ = true;
    const auto& all = rows().rows;
    for (int r = 0; r < static_cast<int>(all.size()); ++r) {
        IntervalRow row = all[static_cast<std::size_t>(r)];
        for (int c = 0; c < ColumnCount; ++c) {
            QString text;
            if (c == Level) {
                text = row.level > 0 ? qs(recoveryLevelName(row.level)) : QString();
            } else {
                const Interval& i = intervalOf(row, c);
                const std::int64_t v = isMax(c) ? i.max : i.min;
                text = v != 0 ? values_.text(v) : QString();
            }
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(c == Level ? Qt::AlignCenter
                                              : Qt::AlignRight | Qt::AlignVCenter);
            if (c >= Level)
                item->setBackground(kRecoveryColumns);
            grid_->setItem(r, c, item);
        }
    }
    filling_ = false;
}

void IntervalRowsEditor::showRow(int row) {
    statistics_->clearFor(row);
    statistics_->setTitle(QString("Statistiche sulle colonne in archivio:  %1")
                              .arg(grid_->verticalHeaderItem(row)->text()));
}

// A typed cell is read as the family reads it; what cannot be read is
// refused and the cell shows the value it had.
void IntervalRowsEditor::take(QTableWidgetItem* item) {
    if (filling_ || !session_)
        return;
    IntervalRow& row = rows().rows[static_cast<std::size_t>(item->row())];
    const QString typed = item->text().trimmed();
    bool taken = true;
    if (item->column() == Level) {
        const int level = typed.isEmpty() ? 0 : recoveryLevelFromName(typed.toStdString());
        taken = level >= 0;
        if (taken)
            row.level = static_cast<std::uint8_t>(level);
    } else {
        const auto value =
            typed.isEmpty() ? std::optional<std::int64_t>(0) : values_.parse(typed.toStdString());
        taken = value.has_value();
        if (taken) {
            Interval& i = intervalOf(row, item->column());
            (isMax(item->column()) ? i.max : i.min) = *value;
        }
    }
    message_->setText(taken ? QString() : QString("Valore non accettato: \"%1\"").arg(typed));
    if (!taken)
        QApplication::beep();
    showAllRows();
}

QString IntervalRowsEditor::recoveryOf(int row, int value) const {
    if (row < 0 || !session_)
        return {};
    const IntervalRow& r = session_->table().rows[static_cast<std::size_t>(row)];
    return r.recovery.holds(value * values_.scale) ? qs(recoveryLevelName(r.level)) : QString();
}

void IntervalRowsEditor::accept() {
    if (!session_)
        return;
    const DelayRows& table = session_->table();
    if (const auto notice = checkIntervalRows(table)) {
        Avviso::ask(*notice, this);
        return;
    }
    // "Sì": the player gives the level; "No": the recovery interval counts as admitted.
    if (const auto notice = unleveledRecovery(table);
        notice && Avviso::ask(*notice, this) == Avviso::Yes) {
        for (int r = 0; r < static_cast<int>(table.rows.size()); ++r)
            if (table.rows[static_cast<std::size_t>(r)].recovery.inUse() &&
                table.rows[static_cast<std::size_t>(r)].level == 0) {
                grid_->setCurrentCell(r, Level);
                grid_->editItem(grid_->item(r, Level));
                break;
            }
        return;
    }
    if (commitDelayRows(*session_)) {
        state().modifiedFamilies.markSlot(slot_);
        state().modified = true;
    }
    session_.reset();
    closeWindow();
    shell().refresh();
}

// Closing by "Annulla", Escape or the close box drops the edits.
void IntervalRowsEditor::closeEvent(QCloseEvent* event) {
    if (session_) {
        session_->cancel();
        session_.reset();
        shell().refresh();
    }
    ChildWindow::closeEvent(event);
}

void IntervalRowsEditor::systemChanged() {
    if (session_)
        showFigures();
}

bool IntervalRowsEditor::forgetEdits() {
    if (!session_)
        return false;
    session_.reset();
    return true;
}

} // namespace varnelo
