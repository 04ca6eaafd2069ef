#pragma once
// The shared dialogs, behind one service so worksheets never build a modal dialog
// themselves. Each call follows the shared-state protocol: the caller sets the inputs in
// ShellState, calls, and reads the answer from ShellState afterwards.
struct ShellState;

class Dialogs {
  public:
    explicit Dialogs(ShellState& state) : state_(state) {}
    virtual ~Dialogs() = default;

    virtual void message() = 0;       // AMsgbox: MessageCode (MessageDetail)
    virtual void yesNo() = 0;         // AllYesNo: QuestionCode -> 6 / 0
    virtual void recordNumber() = 0;  // InRecNum: -> RecordNumber
    virtual void valueInput() = 0;    // FundCurValInput: -> ValueAnswer
    virtual void printerHeader() = 0; // PrinterHeaderInput: -> HeaderText ("1" = cancelled)
    virtual void fileDirectory() = 0; // FileDir: FileDialogMode -> ChosenFileName / 9

    // Shortcuts: set the input, show the dialog, return the answer.
    void showMessage(int code);
    int ask(int questionCode); // 6 yes, 0 no

    ShellState& state() { return state_; }

  private:
    ShellState& state_;
};
