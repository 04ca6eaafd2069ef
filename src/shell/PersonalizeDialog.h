#pragma once
// ChangeFnt, the Personalize dialog: printer font, currency symbol and the user's name.
// The font choice applies at once, the name when its box is left, the currency symbol when
// the dialog is left; leaving it writes the settings file.
//
// The four font options share the name "PtrFt"; each carries its number in the dynamic
// property "index" (0 standard font, 1-3 Courier New 10, 11, 12 point).
#include "PlacedDialog.h"

class QLineEdit;
class QPushButton;
class Workspace;

class PersonalizeDialog : public PlacedDialog {
    Q_OBJECT
  public:
    PersonalizeDialog(ShellState& state, Workspace& workspace);

  signals:
    // The settings were stored on leaving: the menu shows the name again.
    void settingsSaved();

  public slots:
    // Closing the dialog by its window frame or Escape leaves it like "E&xit to Menu".
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onOptionClicked(int index);
    void onCurrencyLeft();
    void onNameLeft();
    void onExitFontsClicked();

    Workspace& workspace_;
    QLineEdit* inCurrency_ = nullptr;
    QLineEdit* inMyName_ = nullptr;
    QPushButton* exitFonts_ = nullptr;
    bool leaving_ = false;
};
