#pragma once
// Base of the shared dialogs: a modal window that puts itself at its place beside the
// container window before it is first seen and again whenever it becomes active.
#include <QDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <initializer_list>

#include "Placement.h"
#include "ShellState.h"

class PlacedDialog : public QDialog {
  public:
    PlacedDialog(ShellState& state, QWidget* container, Placement placement)
        : QDialog(container), state_(state), container_(container), placement_(placement) {
        setDialogFrame(this);
    }

  protected:
    // A button with its caption and object name.
    QPushButton* button(const char* caption, const char* name) {
        auto* made = new QPushButton(caption, this);
        made->setObjectName(name);
        return made;
    }

    // The dialog's layout: `above` one under the other, then a row of `buttons`, centred
    // when asked.
    void layOut(std::initializer_list<QWidget*> above, std::initializer_list<QPushButton*> buttons,
                bool centred) {
        auto* row = new QHBoxLayout;
        if (centred)
            row->addStretch();
        for (QPushButton* b : buttons)
            row->addWidget(b);
        if (centred)
            row->addStretch();
        auto* layout = new QVBoxLayout(this);
        for (QWidget* w : above)
            layout->addWidget(w);
        layout->addLayout(row);
    }

    // Default placement: the dialog's row of the placement table. Dialogs that choose
    // their place at run time override this.
    virtual void placeOnActivation() {
        if (container_)
            placeDialog(this, container_, placement_, state_.LayoutClass);
    }

    void showEvent(QShowEvent* event) override {
        // The size the dialog has when first shown is its size for good: a fixed size is
        // what makes every window manager leave out the maximise button, which the frame
        // hints alone do not.
        if (!event->spontaneous())
            setFixedSize(size());
        placeOnActivation();
        QDialog::showEvent(event);
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::WindowActivate)
            placeOnActivation();
        return QDialog::event(event);
    }

    ShellState& state_;
    QWidget* container_;
    Placement placement_;
};
