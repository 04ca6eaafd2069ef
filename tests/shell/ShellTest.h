#pragma once
// Shared by the window tests: one main for several test objects, a modal-window driver.
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <functional>
#include <vector>

#include "Platform.h"
#include "QtDialogs.h"
#include "ScriptedDialogs.h"
#include "Settings.h"
#include "ShellState.h"

// Each test object registers itself with PECUNEX_SUITE; the program's main runs them all.
using SuiteRunner = int (*)(int, char**);
inline std::vector<SuiteRunner>& suites() {
    static std::vector<SuiteRunner> all;
    return all;
}
#define PECUNEX_SUITE(T)                                                                           \
    static const bool T##Registered = (suites().push_back([](int c, char** v) {                    \
        T t;                                                                                       \
        return QTest::qExec(&t, c, v);                                                             \
    }),                                                                                            \
                                       true);

inline int runSuites(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    int failed = 0;
    for (SuiteRunner run : suites()) {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        failed += run(argc, argv);
        platform::setBeepHook({});
    }
    return failed;
}

// Runs `drive` on the window that `call` shows modally, then closes what `drive` left open,
// so a failed check never hangs the program. Returns the window's name, "" if none showed.
inline QString runModal(const std::function<void()>& call,
                        const std::function<void(QWidget*)>& drive) {
    QString shown;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> window = QApplication::activeModalWidget();
        if (!window)
            return;
        shown = window->objectName();
        window->activateWindow();
        (void)QTest::qWaitFor([&] { return !window || window->isActiveWindow(); }, 2000);
        if (window)
            drive(window);
        if (auto* dialog = qobject_cast<QDialog*>(window.data()); dialog && dialog->isVisible())
            shown += " (left open)", dialog->done(QDialog::Rejected);
    });
    call();
    QCoreApplication::processEvents(); // a call that showed nothing leaves the timer pending
    return shown;
}
// The same for a window that must show, be named `name`, and be closed by `drive`.
inline void expectModal(const char* name, const std::function<void()>& call,
                        const std::function<void(QWidget*)>& drive) {
    QCOMPARE(runModal(call, drive), QString(name));
}

// A `_data()` table of one column, "row": a struct whose `name` names the row.
template <class Row, std::size_t N> void addRows(const Row (&rows)[N]) {
    QTest::addColumn<Row>("row");
    for (const Row& row : rows)
        QTest::newRow(row.name) << row;
}

template <class T = QWidget> T* child(QObject* parent, const char* name) {
    T* found = parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!found)
        qFatal("no %s", name);
    return found;
}
