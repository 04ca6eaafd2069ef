#pragma once
// The program's container for window tests: the worksheets of `rows` over a test workspace's
// state, scripted dialogs and captured printouts (or the printers given), the graph window
// made by `graph`, shown and active.
#include <QPushButton>

#include "MainMenu.h"
#include "MdiContainer.h"
#include "TestWorkspace.h"
#include "WorksheetFrame.h"

struct TestProgram {
    TestProgram(WorksheetTable rows, GraphWindowFactory graph, PrinterProvider* printers = nullptr)
        : container(ws.shared, std::move(rows)) {
        container.setDialogs(&ws.scripted);
        container.setPrinters(printers ? printers : &ws.capture);
        container.registerGraphWindow(std::move(graph));
        activate(&container);
    }
    QPushButton* menuButton(const QString& name) const {
        return container.menu()->findChild<QPushButton*>(name);
    }
    QWidget* sheet() const { return container.worksheet(); }
    bool sheetShown() const { return sheet() && worksheetFrame(sheet())->isVisible(); }
    template <class T = QWidget> T* inSheet(const char* name) const {
        return sheet()->findChild<T*>(name);
    }

    TestWorkspace ws;
    MdiContainer container;
};
