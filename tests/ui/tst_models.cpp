#include "conditions/ConditionSet.h"
#include "conditions/SlotEditor.h"
#include "core/ColumnStore.h"
#include "ui/ColumnListModel.h"
#include "ui/ModelRoles.h"
#include "ui/TableModel.h"
#include "ui/ValueGridModel.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QtTest>

#include <memory>

using namespace varnelo;

namespace {

// Every column of 1..49 in lexicographic order, starting again after the last.
void fillLexicographic(ColumnStore& store, std::int32_t count) {
    Column c = {1, 2, 3, 4, 5};
    for (std::int32_t i = 1; i <= count; ++i) {
        store.store(i, c);
        int p = kColumnSize - 1;
        while (p >= 0 && c[static_cast<std::size_t>(p)] == kMaxNumber - (kColumnSize - 1 - p))
            --p;
        if (p < 0) {
            c = {1, 2, 3, 4, 5};
            continue;
        }
        ++c[static_cast<std::size_t>(p)];
        for (int q = p + 1; q < kColumnSize; ++q)
            c[static_cast<std::size_t>(q)] =
                static_cast<std::uint8_t>(c[static_cast<std::size_t>(q - 1)] + 1);
    }
    store.storedCount = count;
}

QStringList shownNumbers(const QAbstractItemModel& model, int row) {
    QStringList out;
    for (int f = ColumnListModel::Position1; f <= ColumnListModel::Position5; ++f)
        out << model.index(row, f).data().toString();
    return out;
}

QStringList storedNumbers(const ColumnStore& store, int columnNumber) {
    QStringList out;
    for (const std::uint8_t n : store.column(columnNumber))
        out << QString::asprintf("%02d", n);
    return out;
}

QStringList columnTexts(const QAbstractItemModel& model, int column) {
    QStringList out;
    for (int r = 0; r < model.rowCount(); ++r)
        out << model.index(r, column).data().toString();
    return out;
}

QColor background(const QModelIndex& index) {
    return index.data(Qt::BackgroundRole).value<QColor>();
}

} // namespace

class ModelsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ColumnStore> store_;

  private Q_SLOTS:
    void initTestCase() {
        store_ = std::make_unique<ColumnStore>();
        fillLexicographic(*store_, ColumnStore::kCapacity);
    }
    void init() { store_->storedCount = ColumnStore::kCapacity; }

    void columnListShowsAFullStoreDownToTheLastColumn() {
        ColumnListModel model(*store_);
        QCOMPARE(model.rowCount(), ColumnStore::kCapacity);
        QCOMPARE(model.headerData(ColumnListModel::Number, Qt::Horizontal).toString(),
                 QString("Colonna N°"));
        QCOMPARE(model.headerData(ColumnListModel::Position5, Qt::Horizontal).toString(),
                 QString("5°"));

        QTableView view;
        view.setModel(&model);
        view.resize(500, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.scrollToBottom();
        const QModelIndex bottom = view.indexAt(QPoint(5, view.viewport()->height() - 3));
        QCOMPARE(bottom.row(), ColumnStore::kCapacity - 1);
        QCOMPARE(bottom.data().toString(), QString("2.120.000"));
        QCOMPARE(shownNumbers(model, bottom.row()), storedNumbers(*store_, ColumnStore::kCapacity));

        QCOMPARE(shownNumbers(model, 0), QStringList({"01", "02", "03", "04", "05"}));
        // The enumeration starts again after the last of the 1,906,884 columns.
        QCOMPARE(shownNumbers(model, kAllColumns - 1), QStringList({"45", "46", "47", "48", "49"}));
        QCOMPARE(shownNumbers(model, kAllColumns), QStringList({"01", "02", "03", "04", "05"}));
        const int middle = ColumnStore::kCapacity / 2;
        QCOMPARE(shownNumbers(model, ColumnListModel::rowOfColumn(middle)),
                 storedNumbers(*store_, middle));
        QCOMPARE(model.index(ColumnListModel::rowOfColumn(middle), ColumnListModel::Number).data(),
                 QVariant("1.060.000"));

        const QModelIndex cell =
            model.index(ColumnListModel::rowOfColumn(middle), ColumnListModel::Position3);
        QCOMPARE(cell.data(SortRole).toInt(), int(store_->column(middle)[2]));
        QCOMPARE(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::Alignment(Qt::AlignCenter));
    }

    void columnListFindsTheNextColumnHoldingANumber() {
        ColumnListModel model(*store_);
        QCOMPARE(model.findRowWith(5, 0), 0);
        QCOMPARE(model.findRowWith(49, 0), 44);  // 1 2 3 4 49
        QCOMPARE(model.findRowWith(49, 44), 44); // the row searched from counts
        QCOMPARE(model.findRowWith(49, 45), 88); // 1 2 3 5 49
        // The 194,580 columns that start with 1 end, and 1 comes back after the wrap.
        QCOMPARE(model.findRowWith(1, 194579), 194579);
        QCOMPARE(model.findRowWith(1, 194580), kAllColumns);
        QCOMPARE(model.findRowWith(50, 0), -1);
        QCOMPARE(model.findRowWith(0, 0), -1);
        QCOMPARE(model.findRowWith(5, model.rowCount()), -1);

        // Only the rows shown are searched: the 44 columns 1 2 3 4 5..48.
        store_->storedCount = 44;
        model.reload();
        QCOMPARE(model.findRowWith(48, 0), 43);
        QCOMPARE(model.findRowWith(49, 0), -1);
    }

    void columnListRowsChangeOnlyOnReload() {
        store_->storedCount = 300;
        ColumnListModel model(*store_);
        QAbstractItemModelTester tester(&model);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);

        store_->storedCount = 120;
        QCOMPARE(model.rowCount(), 300); // a worker may be filling the store
        model.reload();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 120);
        QVERIFY(!model.index(120, 1).isValid());

        store_->storedCount = 0;
        model.reload();
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.findRowWith(1, 0), -1);
    }

    void tableModelFormatsInItalian() {
        QCOMPARE(TableModel::integer(1906884).text, QString("1.906.884"));
        QCOMPARE(TableModel::integer(-98280).text, QString("-98.280"));
        QCOMPARE(TableModel::decimal(1234.5).text, QString("1.234,50"));
        QCOMPARE(TableModel::decimal(0.125, 1).text, QString("0,1"));
        QCOMPARE(TableModel::percent(3.75).text, QString("3,75%"));
        QCOMPARE(TableModel::integer(1906884).value, QVariant(qint64(1906884)));
        QCOMPARE(TableModel::decimal(12.345).value.toDouble(), 12.345); // unrounded for sorting
    }

    void tableModelSortsNumbersByValue() {
        TableModel model;
        QAbstractItemModelTester tester(&model);
        model.setHeaders({"Nome", "Colonne", "%Uscit"});
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        model.setRows(
            {{TableModel::text("gamma"), TableModel::integer(1906884), TableModel::percent(10.0)},
             {TableModel::text("Beta"), TableModel::integer(98280), TableModel::percent(9.5)},
             {TableModel::text("alfa"), TableModel::integer(5), TableModel::percent(100.0)}});
        QCOMPARE(reset.count(), 1);
        QCOMPARE(inserted.count(), 0);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Colonne"));
        QCOMPARE(model.index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(model.index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignLeft | Qt::AlignVCenter);

        QSortFilterProxyModel* proxy = makeSortProxy(&model, &model);
        QAbstractItemModelTester proxyTester(proxy);
        QTableView view;
        view.setModel(proxy);
        view.setSortingEnabled(true);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        view.sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(columnTexts(*proxy, 1), QStringList({"5", "98.280", "1.906.884"}));
        view.sortByColumn(2, Qt::DescendingOrder);
        QCOMPARE(columnTexts(*proxy, 2), QStringList({"100,00%", "10,00%", "9,50%"}));
        view.sortByColumn(0, Qt::AscendingOrder);
        QCOMPARE(columnTexts(*proxy, 0), QStringList({"alfa", "Beta", "gamma"}));

        // A click on a caption sorts as well.
        view.sortByColumn(0, Qt::AscendingOrder);
        QHeaderView* header = view.horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QCOMPARE(proxy->index(0, 1).data().toString(), QString("5"));
    }

    void tableModelColoursRowsAndCells() {
        TableModel model;
        QAbstractItemModelTester tester(&model);
        model.setHeaders({"Val.", "Usciti"});
        const QColor green(0xc0, 0xff, 0xc0);
        model.setRows({{TableModel::integer(0), TableModel::integer(12)},
                       {TableModel::integer(1), TableModel::integer(7).withBackground(green)},
                       {TableModel::integer(2)}});
        QVERIFY(!model.index(0, 0).data(Qt::BackgroundRole).isValid());
        QCOMPARE(background(model.index(1, 1)), green);
        QCOMPARE(model.index(2, 1).data().toString(), QString()); // a short row

        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setRowBackground(1, Qt::yellow);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].toModelIndex(), model.index(1, 0));
        QCOMPARE(changed[0][1].toModelIndex(), model.index(1, 1));
        QCOMPARE(background(model.index(1, 0)), QColor(Qt::yellow));
        QCOMPARE(background(model.index(1, 1)), green); // the cell's own colour wins

        // New rows start without the old rows' colours.
        model.setRows({{TableModel::integer(3), TableModel::integer(4)},
                       {TableModel::integer(5), TableModel::integer(6)}});
        QVERIFY(!model.index(1, 0).data(Qt::BackgroundRole).isValid());
        model.setHeaders({"Val.", "Usciti", "Ritardo"});
        QCOMPARE(model.columnCount(), 3);
        model.clear();
        QCOMPARE(model.rowCount(), 0);
    }

    void valueGridClicksCycleTheCellsInTheSet() {
        ConditionSet set;
        set.setCell(131, 3, {CellStatus::Admitted, 0});
        set.setActive(131, true);
        const ConditionSet before = set;
        // Digits (values 0..7) beside a tens/units entry (values 0..10).
        SlotEditor editor(set, {131, 132, 88});
        ValueGridModel model(editor);
        QAbstractItemModelTester tester(&model);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 11);
        QCOMPARE(model.headerData(10, Qt::Horizontal).toInt(), 10);

        QTableView view;
        view.setModel(&model);
        view.setEditTriggers(QAbstractItemView::NoEditTriggers);
        connect(&view, &QAbstractItemView::clicked, &model, &ValueGridModel::cycle);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        const auto click = [&](const QModelIndex& at) {
            QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(at).center());
        };

        const QModelIndex five = model.indexOf(132, 5);
        QCOMPARE(background(five), QColor(Qt::white));
        click(five);
        QCOMPARE(set.cell(132, 5).status, CellStatus::Admitted);
        QCOMPARE(background(five), ValueGridModel::statusColour(CellStatus::Admitted));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed[0][0].toModelIndex(), five);
        QCOMPARE(changed[0][1].toModelIndex(), five);
        click(five);
        QCOMPARE(set.cell(132, 5).status, CellStatus::Recovery);
        QCOMPARE(background(five), ValueGridModel::statusColour(CellStatus::Recovery));
        QCOMPARE(five.data().toString(), QString("5 ----"));
        QVERIFY(model.setLevel(five, 21));
        QCOMPARE(set.cell(132, 5), (ValueCell{CellStatus::Recovery, 21}));
        QCOMPARE(five.data().toString(), QString("5 AA"));
        QCOMPARE(five.data(LevelRole).toInt(), 21);
        click(five);
        QCOMPARE(set.cell(132, 5).status, CellStatus::NotAdmitted);
        QCOMPARE(five.data().toString(), QString("5"));
        // The level waits for the cell to turn red again; closing the editor drops it.
        click(five);
        click(five);
        QCOMPARE(five.data().toString(), QString("5 AA"));
        QCOMPARE(changed.count(), 6);
        QVERIFY(!model.setLevel(model.indexOf(131, 3), 2)); // blue cells take no level
        QCOMPARE(int(set.cell(131, 3).level), 0);

        // The digit rows stop at 7: beyond, the cells are off and clicks do nothing.
        const QModelIndex beyond = model.indexOf(131, 9);
        QCOMPARE(model.flags(beyond), Qt::NoItemFlags);
        QVERIFY(!beyond.data().isValid());
        model.cycle(beyond);
        QVERIFY(model.setData(model.indexOf(88, 9), 2));
        QCOMPARE(set.cell(88, 9).status, CellStatus::Recovery);
        QVERIFY(!model.setData(model.indexOf(88, 8), 3));
        QCOMPARE(set.cell(88, 8).status, CellStatus::NotAdmitted);

        changed.clear();
        editor.cancel();
        model.refresh();
        QCOMPARE(set, before);
        QCOMPARE(changed.count(), 1); // one repaint for all the cells put back
        QCOMPARE(background(five), QColor(Qt::white));
        QCOMPARE(background(model.indexOf(131, 3)),
                 ValueGridModel::statusColour(CellStatus::Admitted));
        QCOMPARE(background(model.indexOf(88, 9)), QColor(Qt::white));
        model.refresh();
        QCOMPARE(changed.count(), 1); // nothing left to repaint
    }

    void valueGridListsValuesDownwards() {
        ConditionSet set;
        SlotEditor editor(set, {131, 88});
        ValueGridModel model(editor, Qt::Vertical);
        QAbstractItemModelTester tester(&model);
        QCOMPARE(model.rowCount(), 11);
        QCOMPARE(model.columnCount(), 2);
        const QModelIndex at = model.indexOf(88, 10);
        QCOMPARE(at.row(), 10);
        QCOMPARE(at.column(), 1);
        QCOMPARE(model.slotAt(at), 88);
        QCOMPARE(model.valueAt(at), 10);
        model.cycle(at);
        QCOMPARE(set.cell(88, 10).status, CellStatus::Admitted);
        QCOMPARE(set.cell(131, 10).status, CellStatus::NotAdmitted);
        QCOMPARE(model.headerData(4, Qt::Vertical).toInt(), 4);

        model.setSlotCaptions({"Cifra 0", "1° Decina"});
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("1° Decina"));

        // One sub-condition at a time, over a narrower range; slots the
        // session does not edit are left out.
        model.showSlots({131, 5}, {2, 6});
        QCOMPARE(model.shownSlots(), std::vector<int>{131});
        QCOMPARE(model.rowCount(), 5);
        QCOMPARE(model.headerData(0, Qt::Vertical).toInt(), 2);
        QCOMPARE(model.index(0, 0).data().toString(), QString("2"));
        QVERIFY(!model.indexOf(131, 7).isValid());
        QVERIFY(!model.indexOf(88, 3).isValid());
        model.showSlots({});
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.columnCount(), 0);
    }
};

QTEST_MAIN(ModelsTest)
#include "tst_models.moc"
