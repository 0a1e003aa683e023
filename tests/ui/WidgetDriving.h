#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QLineEdit>
#include <QtTest>

// A player's gestures on the windows, for tests that drive several of them.

// Triggers the menu item `action` of the main window and returns the window
// `name` when it shows.
inline QWidget* openFromMenu(QWidget* main, const QString& action, const char* name) {
    QAction* item = main->findChild<QAction*>(action);
    if (!item || !item->isEnabled())
        return nullptr;
    item->trigger();
    auto* w = main->findChild<QWidget*>(name);
    return w && w->isVisible() ? w : nullptr;
}

inline void clickButton(QWidget* w, const QString& name) {
    auto* b = w->findChild<QAbstractButton*>(name);
    QVERIFY2(b, qPrintable(name));
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

// Clicks the cell of row `row` in the view `name` (the value cells of an editor).
inline void clickCell(QWidget* w, int row, const char* name = "MSFlexGrid1") {
    auto* view = w->findChild<QAbstractItemView*>(name);
    QVERIFY2(view, name);
    const QModelIndex at = view->model()->index(row, 0);
    view->scrollTo(at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(at).center());
}

// Types into a cell as a player does: a double click opens its text box,
// Enter confirms.
inline void typeInCell(QAbstractItemView* view, int row, int column, const QString& text) {
    const QModelIndex at = view->model()->index(row, column);
    view->scrollTo(at);
    const QRect rect = view->visualRect(at);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : view->viewport()->findChildren<QLineEdit*>())
        if (e->isVisible() && e->geometry().intersects(rect))
            editor = e;
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
}
