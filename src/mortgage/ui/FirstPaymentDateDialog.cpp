#include "FirstPaymentDateDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "Amortization.h"
#include "Colours.h"
#include "ControlNames.h"
#include "Dialogs.h"
#include "Messages.h"
#include "ShellState.h"
#include "SystemLocale.h"

FirstPaymentDateDialog::FirstPaymentDateDialog(ShellState& state, Dialogs& dialogs,
                                               Currency termYears, QWidget* container)
    : PlacedDialog(state, container, Placement::FirstPaymentDate), dialogs_(dialogs),
      keptDate_(state.TodayDate), termYears_(termYears) {
    setObjectName("MortDateInput");
    setWindowTitle("Date Input");
    setModal(true);

    auto* label = new QLabel(" Type in the date of the    first payment", this);
    label->setWordWrap(true);
    InDate = new QLineEdit(this);
    InDate->setObjectName("InDate");
    nameByCaption(label, InDate);
    paintEntry(InDate);
    const auto serial = platform::parseDate(state_.TodayDate);
    InDate->setText(
        QString::fromStdString(serial ? platform::shortDate(*serial) : state_.TodayDate));
    InDate->installEventFilter(this);
    OkExit = new QPushButton("&OK", this);
    OkExit->setObjectName("OkExit");
    OkExit->setAutoDefault(true); // Enter in the date moves here; Enter again closes
    connect(OkExit, &QPushButton::clicked, this, &FirstPaymentDateDialog::onOkClicked);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(InDate);
    layout->addWidget(OkExit, 0, Qt::AlignRight);
    setMinimumWidth(220);
}

bool FirstPaymentDateDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != InDate)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        typed_ = false;
        InDate->selectAll();
        return false;
    case QEvent::FocusOut:
        commitDate();
        return false;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            OkExit->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (!typed_ && !key->text().isEmpty() && key->text().at(0).isPrint()) {
            InDate->clear();
            typed_ = true;
        }
        if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
            typed_ = true;
        return false;
    }
    default:
        return false;
    }
}

void FirstPaymentDateDialog::commitDate() {
    if (!typed_)
        return;
    typed_ = false;
    const auto serial = platform::parseDate(InDate->text().trimmed().toStdString());
    if (!serial || !paymentDatesFit(*serial, termYears_)) {
        dialogs_.showMessage(msg::NotAValidDate);
        const auto kept = platform::parseDate(state_.TodayDate);
        InDate->setText(
            QString::fromStdString(kept ? platform::shortDate(*kept) : state_.TodayDate));
        return;
    }
    state_.TodayDate = platform::shortDate(*serial);
    InDate->setText(QString::fromStdString(state_.TodayDate));
}

void FirstPaymentDateDialog::onOkClicked() {
    // "&OK" by its accelerator leaves the focus in the field: commit what was typed.
    commitDate();
    accept();
}

void FirstPaymentDateDialog::reject() {
    typed_ = false; // the field loses the focus as the dialog closes: nothing to take then
    state_.TodayDate = keptDate_;
    QDialog::reject();
}
