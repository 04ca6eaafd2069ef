#include "EntryDialog.h"
#include "ControlNames.h"

#include <QLabel>
#include <QLineEdit>

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

    Accept = button("&OK", "Accept");
    NoAccept = button("&Cancel", "NoAccept");
    connect(Accept, &QPushButton::clicked, this, [this] { onAcceptClicked(); });
    connect(NoAccept, &QPushButton::clicked, this, &EntryDialog::reject);

    if (keepTypedText)
        entry.display = [this](double) { return CurVal->text().toStdString(); };
    entry_ = std::make_unique<NumericEntry>(CurVal, state, std::move(entry));
    entry_->setNext(Accept);

    layOut({Label1, CurVal}, {Accept, NoAccept}, false);

    setTabOrder(CurVal, Accept);
    setTabOrder(Accept, NoAccept);
    CurVal->setFocus();
}

EntryDialog::~EntryDialog() = default;
