#pragma once
// MenuMain: the program's main menu, a child of the container window for the whole run.
// It only says what the user chose; the container opens worksheets and dialogs.
#include <QWidget>
#include <string>

#include "WorksheetRow.h"

class QLabel;
class QPushButton;
struct ShellState;

class MainMenu : public QWidget {
    Q_OBJECT
  public:
    // A button for each worksheet of the table, in its Planners column.
    MainMenu(ShellState& state, const WorksheetTable& worksheets, QWidget* parent = nullptr);

    // MyName shows UserName, and is hidden while the name is empty.
    void refreshName();
    // The focus back on the button that opened the last worksheet (none yet: left as it is).
    void focusOpener();

  signals:
    void worksheetRequested(const std::string& id);
    void personalizeRequested();
    void aboutRequested();
    void exitRequested();

  private:
    ShellState& state_;
    QLabel* myName_ = nullptr;
    QPushButton* opener_ = nullptr;
};

// Opens the user guide beside the program with the desktop's viewer, without waiting.
void openUserGuide(const ShellState& state);
