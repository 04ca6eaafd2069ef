#include "WorksheetFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QScrollArea>

namespace {
const char* const ScrollerName = "WorksheetScroller";

// Closing the frame asks the worksheet, which may keep itself open (its data not saved).
class WorksheetScroller : public QScrollArea {
  protected:
    void closeEvent(QCloseEvent* event) override {
        if (QWidget* sheet = widget(); sheet && !sheet->close()) {
            event->ignore();
            return;
        }
        QScrollArea::closeEvent(event);
    }
};
} // namespace

QWidget* worksheetFrame(QWidget* sheet) {
    for (QWidget* up = sheet ? sheet->parentWidget() : nullptr; up; up = up->parentWidget()) {
        if (qobject_cast<QMdiSubWindow*>(up))
            return up;
        if (up->isWindow())
            break;
    }
    return sheet;
}

QScrollArea* makeWorksheetScroller(QWidget* sheet) {
    auto* scroller = new WorksheetScroller;
    scroller->setObjectName(QLatin1String(ScrollerName));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The worksheet fills the space it gets and never shrinks below its least size: below that
    // the scroll bars take over, so every control stays reachable.
    scroller->setWidgetResizable(true);
    scroller->setWindowTitle(sheet->windowTitle());
    scroller->setAccessibleName(sheet->windowTitle().trimmed());
    scroller->setWidget(sheet);
    // Whatever the keyboard moves to is brought into sight.
    QObject::connect(
        qApp, &QApplication::focusChanged, scroller, [scroller](QWidget*, QWidget* now) {
            QWidget* inner = scroller->widget();
            if (now && inner && inner->isAncestorOf(now) && now->window() == scroller->window())
                scroller->ensureWidgetVisible(now);
        });
    return scroller;
}

QWidget* scrolledWorksheet(QWidget* widget) {
    if (auto* scroller = qobject_cast<QScrollArea*>(widget);
        scroller && scroller->objectName() == QLatin1String(ScrollerName))
        return scroller->widget();
    return widget;
}

QScrollArea* worksheetScroller(QWidget* sheet) {
    // The worksheet sits in the scroller's viewport.
    QWidget* viewport = sheet ? sheet->parentWidget() : nullptr;
    auto* scroller = qobject_cast<QScrollArea*>(viewport ? viewport->parentWidget() : nullptr);
    return scroller && scroller->widget() == sheet ? scroller : nullptr;
}
