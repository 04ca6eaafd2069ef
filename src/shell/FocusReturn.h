#pragma once
// Lives across a modal dialog: when it goes, the window that was active is active again and
// the control that had the focus has it again, so the control's window takes its
// accelerators at once (a window manager may otherwise leave it inactive, or put the focus
// on another control).
#include <QApplication>
#include <QPointer>
#include <QWidget>

class FocusReturn {
  public:
    FocusReturn() : window_(QApplication::activeWindow()), focus_(QApplication::focusWidget()) {}
    ~FocusReturn() {
        if (window_ && window_->isVisible())
            window_->activateWindow();
        if (focus_ && focus_->isVisible() && focus_->isEnabled())
            focus_->setFocus(Qt::OtherFocusReason);
    }
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

  private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};
