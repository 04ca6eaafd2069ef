#include "PrinterHeaderDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <string>

namespace {
// What the header line holds when the printout was cancelled.
// (built as a string: assigning the bare literal trips a false GCC 12 -Wrestrict)
const std::string Cancelled("1");
} // namespace

PrinterHeaderDialog::PrinterHeaderDialog(ShellState& state, QWidget* container)
    : PlacedDialog(state, container, Placement::PrinterHeader) {
    setObjectName("PrinterHeaderInput");
    setWindowTitle("Input");

    FName = new QLabel(" Type in one line header information.", this);
    FName->setObjectName("FName");

    InFName = new QLineEdit(this);
    InFName->setObjectName("InFName");
    InFName->setMinimumWidth(320);
    InFName->installEventFilter(this);
    // A pasted text cannot bring a double quote in either.
    InFName->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), InFName));

    Acept = new QPushButton("Continue &Printout", this);
    Acept->setObjectName("Acept");
    NAcept = new QPushButton("&Cancel", this);
    NAcept->setObjectName("NAcept");
    connect(Acept, &QPushButton::clicked, this, &PrinterHeaderDialog::onAceptClicked);
    connect(NAcept, &QPushButton::clicked, this, &PrinterHeaderDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Acept);
    buttons->addWidget(NAcept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FName);
    layout->addWidget(InFName);
    layout->addLayout(buttons);

    setTabOrder(InFName, Acept);
    setTabOrder(Acept, NAcept);
    InFName->setFocus();
}

bool PrinterHeaderDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == InFName && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            Acept->setFocus();
            return true;
        }
        // The header goes into a printout line; a double quote is simply not taken.
        if (key->text().contains(QLatin1Char('"'))) return true;
    }
    return PlacedDialog::eventFilter(watched, event);
}

void PrinterHeaderDialog::onAceptClicked() {
    state_.HeaderText = InFName->text().toStdString();
    accept();
}

void PrinterHeaderDialog::reject() {
    state_.HeaderText = Cancelled;
    QDialog::reject();
}
