#pragma once
// A budget worksheet in a test program, driven by keys: scripted dialogs, captured
// printouts, a temporary program folder.
#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "BudgetTables.h"
#include "BudgetWindow.h"
#include "Grid.h"
#include "TestWorkspace.h"

struct BudgetSheet {
    BudgetSheet() : tables(std::make_unique<BudgetTables>()) {
        window = std::make_unique<BudgetWindow>(ws, *tables);
        window->resize(900, 600);
        activate(window.get());
    }
    template <class T = QWidget> T* find(const char* name) const {
        return window->findChild<T*>(name);
    }
    QString text(const char* name) const {
        if (auto* l = find<QLabel>(name))
            return l->text();
        return find<QLineEdit>(name)->text();
    }
    // Focuses a box as a click would, types, and leaves it with Tab.
    void type(const char* box, const QString& keys) const {
        QApplication::setActiveWindow(window.get());
        find(box)->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(QApplication::focusWidget(), keys);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Fills the four boxes of a side ("Inc" or "Exp") and presses the side's Add accelerator.
    void add(const char* side, const QString& description, const QString& amount,
             const QString& payments, const QString& budgeted) const {
        const QString s = side;
        type(qPrintable("In" + s + "Desc"), description);
        type(qPrintable("In" + s + "Amt"), amount);
        type(qPrintable("In" + s + "Freq"), payments);
        type(qPrintable("In" + s + "BgtAmt"), budgeted);
        alt(s == "Inc" ? Qt::Key_A : Qt::Key_D);
    }
    void alt(Qt::Key key) const {
        QApplication::setActiveWindow(window.get());
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(),
                        key, Qt::AltModifier);
        // An accelerator presses its button and releases it a moment later: wait for the click.
        const auto pressed = [this] {
            for (auto* b : window->findChildren<QAbstractButton*>())
                if (b->isDown())
                    return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(!pressed(), 2000);
    }
    // The cells of one grid row, "|"-separated.
    QString row(const char* grid, int r) const {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << find<Grid>(grid)->text(r, c);
        return cells.join('|');
    }
    // Picks a list entry with the keyboard, as the user would.
    void choose(const char* list, const QString& entry) const {
        auto* box = find<QComboBox>(list);
        box->setFocus(Qt::TabFocusReason);
        const int target = box->findText(entry, Qt::MatchExactly);
        QVERIFY(target >= 0);
        while (box->currentIndex() < target)
            QTest::keyClick(box, Qt::Key_Down);
        while (box->currentIndex() > target)
            QTest::keyClick(box, Qt::Key_Up);
    }
    std::vector<int> messages() const { return ws.scripted.messages(); }
    ShellState& st() { return ws.shared; }

    TestWorkspace ws;
    std::unique_ptr<BudgetTables> tables;
    std::unique_ptr<BudgetWindow> window;
};
