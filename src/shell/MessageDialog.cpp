#include "MessageDialog.h"

#include <QPlainTextEdit>

#include "ControlNames.h"
#include "Messages.h"

MessageDialog::MessageDialog(ShellState& state, QWidget* container)
    : PlacedDialog(state, container, Placement::Message) {
    setObjectName("AMsgbox");
    setWindowTitle("Help");

    TextMsg = new QPlainTextEdit(this);
    TextMsg->setObjectName("TextMsg");
    nameControl(TextMsg, "Message");
    TextMsg->setReadOnly(true);
    const QString text =
        QString::fromStdString(messageText(state.MessageCode, state.MessageDetail));
    TextMsg->setPlainText(text);
    nameAlert(this, text);
    TextMsg->setMinimumSize(260, 70);
    TextMsg->setMaximumHeight(90);

    AMsgExit = button("E&xit", "AMsgExit");
    AMsgExit->setDefault(true);
    connect(AMsgExit, &QPushButton::clicked, this, &QDialog::accept);

    layOut({TextMsg}, {AMsgExit}, true);

    // The button has the focus so Enter or Space closes the message at once.
    AMsgExit->setFocus();
}
