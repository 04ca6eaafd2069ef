#include "Dialogs.h"

#include "ShellState.h"

void Dialogs::showMessage(int code) {
    state_.MessageCode = static_cast<std::int16_t>(code);
    message();
}

int Dialogs::ask(int questionCode) {
    state_.QuestionCode = static_cast<std::int16_t>(questionCode);
    yesNo();
    return state_.QuestionCode;
}
