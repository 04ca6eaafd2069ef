#include "ValueInputDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "NumericEntry.h"

namespace {
const char* const InsertLineText = " Insert a blank line at line      number ";
// Asked for any other purpose.
const char* const ValueText = " Type in the value.";

bool asksForLine(int contextCode) { return contextCode == 1 || contextCode == 2; }
} // namespace

ValueInputDialog::ValueInputDialog(SharedState& state, QWidget* container)
    : PlacedDialog(state, container, Placement::ValueInput) {
    setObjectName("FundCurValInput");
    setWindowTitle("Input ");

    const bool lineNumber = asksForLine(state.ContextCode);
    Label1 = new QLabel(lineNumber ? InsertLineText : ValueText, this);
    Label1->setObjectName("Label1");

    CurVal = new QLineEdit(this);
    CurVal->setObjectName("CurVal");
    if (state.SelectedRow != 0) CurVal->setText(QString::number(state.SelectedRow));
    state.SelectedRow = 0;

    Accept = new QPushButton("&OK", this);
    Accept->setObjectName("Accept");
    NoAccept = new QPushButton("&Cancel", this);
    NoAccept->setObjectName("NoAccept");
    connect(Accept, &QPushButton::clicked, this, &ValueInputDialog::onAcceptClicked);
    connect(NoAccept, &QPushButton::clicked, this, &ValueInputDialog::reject);

    // The answer is the text itself, so leaving the box keeps the text exactly as typed
    // instead of reformatting it; the caller reads the number it needs from it.
    NumericEntryConfig config;
    config.filter = lineNumber ? NumericEntryConfig::Filter::Digit
                               : NumericEntryConfig::Filter::Decimal;
    config.pattern = lineNumber ? "###" : "###.00";
    config.width = 12;
    config.commit = [](double value) { return value; };
    QLineEdit* field = CurVal;
    config.display = [field](double) { return field->text().toStdString(); };
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

ValueInputDialog::~ValueInputDialog() = default;

void ValueInputDialog::onAcceptClicked() {
    state_.ValueAnswer = CurVal->text().toStdString();
    accept();
}

void ValueInputDialog::reject() {
    state_.ValueAnswer.clear();
    QDialog::reject();
}
