#include "YesNoDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ControlNames.h"
#include "Messages.h"

namespace {
constexpr std::int16_t Yes = 6;
constexpr std::int16_t No = 0;
} // namespace

YesNoDialog::YesNoDialog(ShellState& state, QWidget* container)
    : PlacedDialog(state, container, Placement::YesNo) {
    setObjectName("AllYesNo");
    setWindowTitle("Help");

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setMinimumWidth(280);
    Label1->setText(QString::fromStdString(
        questionText(state.QuestionCode, state.CurrentFileName, state.MessageDetail)));
    nameAlert(this, Label1->text());

    AllYes = new QPushButton("&Yes", this);
    AllYes->setObjectName("AllYes");
    AllNo = new QPushButton("&No", this);
    AllNo->setObjectName("AllNo");
    connect(AllYes, &QPushButton::clicked, this, &YesNoDialog::onYesClicked);
    connect(AllNo, &QPushButton::clicked, this, &YesNoDialog::onNoClicked);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AllYes);
    buttons->addWidget(AllNo);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(buttons);

    AllYes->setFocus();
}

void YesNoDialog::onYesClicked() {
    state_.QuestionCode = Yes;
    accept();
}

void YesNoDialog::onNoClicked() {
    state_.QuestionCode = No;
    QDialog::reject();
}

void YesNoDialog::reject() {
    state_.QuestionCode = No;
    QDialog::reject();
}
