#pragma once
// The hourglass while a calculation, file operation or printout runs; the normal pointer
// again when the guard goes out of scope, however the work ended.
#include <QCursor>
#include <QGuiApplication>

class BusyCursor {
  public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};
