#include "YesNoDialog.h"

#include <QLabel>

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

    AllYes = button("&Yes", "AllYes");
    AllNo = button("&No", "AllNo");
    connect(AllYes, &QPushButton::clicked, this, &YesNoDialog::onYesClicked);
    connect(AllNo, &QPushButton::clicked, this, &YesNoDialog::onNoClicked);

    layOut({Label1}, {AllYes, AllNo}, true);

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
