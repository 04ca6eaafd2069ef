#include "RecordNumberDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <limits>

#include "NumberFormat.h"
#include "NumericEntry.h"

namespace {
const char* const DeleteText = " Type in record number    to delete ";
const char* const ChangeText = " Type in record number    to change.";
} // namespace

std::int16_t recordNumberFromText(const QString& text) {
    const double value = leadingNumber(text.toStdString());
    if (!(value >= 1)) return 0;
    if (value >= std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(value);
}

RecordNumberDialog::RecordNumberDialog(SharedState& state, QWidget* container)
    : PlacedDialog(state, container, Placement::RecordFirstGrid) {
    setObjectName("InRecNum");
    setWindowTitle("Input ");

    Label1 = new QLabel(state.DeletePrompt == 1 ? DeleteText : ChangeText, this);
    Label1->setObjectName("Label1");

    CurVal = new QLineEdit(this);
    CurVal->setObjectName("CurVal");
    if (state.SelectedRow != 0) CurVal->setText(QString::number(state.SelectedRow));
    state.SelectedRow = 0;

    Accept = new QPushButton("&OK", this);
    Accept->setObjectName("Accept");
    NoAccept = new QPushButton("&Cancel", this);
    NoAccept->setObjectName("NoAccept");
    connect(Accept, &QPushButton::clicked, this, &RecordNumberDialog::onAcceptClicked);
    connect(NoAccept, &QPushButton::clicked, this, &RecordNumberDialog::reject);

    // Leaving the box shows the number as read ("" for none), so what the user sees is
    // exactly what OK answers.
    NumericEntryConfig config;
    config.filter = NumericEntryConfig::Filter::Digit;
    config.pattern = "###";
    config.width = 5;
    config.commit = [](double value) { return value; };
    config.display = [](double value) { return formatNumber(value, "###"); };
    entry_ = std::make_unique<NumericEntry>(CurVal, state, std::move(config));
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

RecordNumberDialog::~RecordNumberDialog() = default;

void RecordNumberDialog::placeOnActivation() {
    // Over the grid the caller named; the side is used up by the first activation.
    if (state_.RecordDialogSide == 1 || state_.RecordDialogSide == 2) {
        const Placement where = state_.RecordDialogSide == 1 ? Placement::RecordFirstGrid
                                                             : Placement::RecordSecondGrid;
        if (container_) placeDialog(this, container_, where, state_.LayoutClass);
    }
    state_.RecordDialogSide = 0;
}

void RecordNumberDialog::onAcceptClicked() {
    state_.RecordNumber = recordNumberFromText(CurVal->text());
    accept();
}

void RecordNumberDialog::reject() {
    state_.RecordNumber = 0;
    QDialog::reject();
}
