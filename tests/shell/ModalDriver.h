#pragma once
// Drives a modal window from inside its own event loop: `drive` runs on the window that
// the call under test shows modally. Whatever `drive` leaves open is closed afterwards, so a
// failed check never hangs the test program.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>
#include <functional>

struct ModalRun {
    bool shown = false;          // a modal window appeared
    QString objectName;          // its name
    bool closedByDriver = true;  // false: the driver left it open and it was closed by force
};

inline ModalRun runModal(const std::function<void()>& call,
                         const std::function<void(QWidget*)>& drive) {
    ModalRun run;
    QTimer::singleShot(0, [&] {
        QPointer<QWidget> window = QApplication::activeModalWidget();
        if (!window) return;
        run.shown = true;
        run.objectName = window->objectName();
        window->activateWindow();
        const bool active = QTest::qWaitFor([&] { return !window || window->isActiveWindow(); }, 2000);
        Q_UNUSED(active)  // an inactive window still gets the driver's events
        if (window) drive(window);
        if (window && window->isVisible()) {
            run.closedByDriver = false;
            if (auto* dialog = qobject_cast<QDialog*>(window.data())) dialog->done(QDialog::Rejected);
            else window->close();
        }
    });
    call();
    // A call that showed nothing returns at once: let the pending timer go by harmlessly.
    QCoreApplication::processEvents();
    return run;
}

template <class T> T* child(QWidget* window, const char* name) {
    return window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
}
