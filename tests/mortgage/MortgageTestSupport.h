#pragma once
// A mortgage worksheet in a test program: scripted dialogs, captured printouts, a temporary folder.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <memory>

#include "Grid.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "TestWorkspace.h"

// The test workspace with the mortgage planner's tables beside it, as the program keeps them.
struct MortgageWorkspace : TestWorkspace {
    using TestWorkspace::TestWorkspace;
    MortgageTables tables;
};

struct Sheet {
    explicit Sheet(int mode = 1)
        : ws(mode), window(std::make_unique<MortgageWindow>(ws, ws.tables)) {
        activate(window.get());
    }
    template <class T = QWidget> T* find(const char* name) const {
        return window->findChild<T*>(name);
    }
    QLineEdit* principal() const { return find<QLineEdit>("InPrincipal"); }
    QComboBox* rate() const { return find<QComboBox>("InRate"); }
    QComboBox* term() const { return find<QComboBox>("InTerm"); }
    Grid* grid() const { return find<Grid>("MGrid"); }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    void click(const char* button) const { QTest::mouseClick(find(button), Qt::LeftButton); }
    // Focus a field, type, and leave it with Tab (the way a user commits a figure).
    void type(QWidget* field, const QString& keys) const {
        QApplication::setActiveWindow(window.get()); // a closed dialog may have taken it
        field->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(QApplication::focusWidget(), keys);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    void enter(const char* amount, const char* r, const char* t) {
        type(principal(), amount), type(rate(), r), type(term(), t);
    }
    // The three entries as shown and as stored; cells of a grid row; all "|"-separated.
    QString shown() const {
        return principal()->text() + "|" + rate()->currentText() + "|" + term()->currentText();
    }
    QString stored() const {
        QStringList figures;
        for (int i : {1, 2, 3})
            figures << QString::number(ws.tables.LoanInputs[i].toDouble(), 'g', 10);
        return figures.join('|');
    }
    QString cells(int row, int from, int to) const {
        QStringList texts;
        for (int col = from; col <= to; ++col)
            texts << grid()->text(row, col);
        return texts.join('|');
    }
    std::vector<int> messages() const { return ws.scripted.messages(); }
    ShellState& st() { return ws.shared; }

    MortgageWorkspace ws;
    std::unique_ptr<MortgageWindow> window;
};
