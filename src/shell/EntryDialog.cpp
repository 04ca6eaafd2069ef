#include "EntryDialog.h"
#include "ControlNames.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

EntryDialog::EntryDialog(ShellState& state, QWidget* container, Placement placement,
                         const char* formName, const char* prompt, NumericEntryConfig entry,
                         bool keepTypedText)
    : PlacedDialog(state, container, placement) {
    setObjectName(formName);
    setWindowTitle("Input ");

    Label1 = new QLabel(prompt, this);
    Label1->setObjectName("Label1");

    // The proposal is shown once; the next caller starts without one.
    CurVal = new QLineEdit(this);
    CurVal->setObjectName("CurVal");
    nameByCaption(Label1, CurVal);
    if (state.SelectedRow != 0)
        CurVal->setText(QString::number(state.SelectedRow));
    state.SelectedRow = 0;

    Accept = new QPushButton("&OK", this);
    Accept->setObjectName("Accept");
    NoAccept = new QPushButton("&Cancel", this);
    NoAccept->setObjectName("NoAccept");
    connect(Accept, &QPushButton::clicked, this, [this] { onAcceptClicked(); });
    connect(NoAccept, &QPushButton::clicked, this, &EntryDialog::reject);

    if (keepTypedText)
        entry.display = [this](double) { return CurVal->text().toStdString(); };
    entry_ = std::make_unique<NumericEntry>(CurVal, state, std::move(entry));
    entry_->setNext(Accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Accept);
    buttons->addWidget(NoAccept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(CurVal);
    layout->addLayout(buttons);

    setTabOrder(CurVal, Accept);
    setTabOrder(Accept, NoAccept);
    CurVal->setFocus();
}

EntryDialog::~EntryDialog() = default;
