#pragma once
// A program around one mortgage worksheet for window tests: scripted dialogs, captured
// printouts, a temporary program folder and a container widget.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <memory>

#include "Grid.h"
#include "MortgageWindow.h"
#include "ScriptedDialogs.h"
#include "SharedState.h"
#include "Workspace.h"

class TestWorkspace : public Workspace {
public:
    explicit TestWorkspace(int mortgageMode = 1) {
        shared.ProgramFolder = folder.path().toStdString();
        shared.MortgageMode = static_cast<std::int16_t>(mortgageMode);
        shared.TodayDate = "2027-01-15";
        containerWidget.resize(641, 454);
    }

    SharedState& state() override { return shared; }
    Dialogs& dialogs() override { return scripted; }
    PrinterProvider& printers() override { return capture; }
    QWidget* container() override { return &containerWidget; }
    void setCaption(const QString& text) override { caption = text; }
    void showMenu() override { ++menuShown; }

    QTemporaryDir folder;
    SharedState shared;
    ScriptedDialogs scripted{shared};
    CapturingPrinters capture;
    QWidget containerWidget;
    QString caption;
    int menuShown = 0;
};

// One worksheet, shown and active so focus and keys behave as for the user.
struct Sheet {
    explicit Sheet(int mode = 1) : ws(mode) {
        window = std::make_unique<MortgageWindow>(ws);
        window->resize(641, 430);
        window->show();
        window->activateWindow();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowActive(window.get());
    }
    template <class T> T* find(const char* name) const {
        T* w = window->findChild<T*>(name);
        if (w == nullptr) qFatal("no control %s", name);
        return w;
    }
    QLineEdit* principal() const { return find<QLineEdit>("InPrincipal"); }
    QComboBox* rate() const { return find<QComboBox>("InRate"); }
    QComboBox* term() const { return find<QComboBox>("InTerm"); }
    Grid* grid() const { return find<Grid>("MGrid"); }
    QString label(const char* name) const { return find<QLabel>(name)->text(); }
    void click(const char* button) const { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }

    // Focus a field, type, and leave it with Tab (the way a user commits a figure).
    void type(QWidget* field, const QString& keys) const {
        field->setFocus(Qt::MouseFocusReason);
        QApplication::processEvents();
        QTest::keyClicks(QApplication::focusWidget(), keys);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QApplication::processEvents();
    }
    void choose(QComboBox* box, const QString& entry) const {
        const int at = box->findText(entry, Qt::MatchExactly);
        QVERIFY2(at >= 0, qPrintable(entry));
        box->setCurrentIndex(at);
        emit box->activated(at);
    }

    TestWorkspace ws;
    std::unique_ptr<MortgageWindow> window;
};

// Runs `act` on the modal dialog that the next call opens, then lets that call return.
inline void onNextModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) qFatal("no modal dialog opened");
        act(modal);
    });
}
