#pragma once
// What a screen reader says for a control. A control with a caption beside it is named by
// that caption; one without (a grid, a help text) is given a name of its own.
#include <QString>

class QLabel;
class QWidget;

// A caption as it is spoken: without the accelerator's "&" and without its runs of blanks
// (the captions keep blanks of their own to wrap where the worksheet wants).
QString spokenCaption(const QString& caption);

// `caption` becomes the label of `control`: its buddy, and the source of its accessible name.
void nameByCaption(QLabel* caption, QWidget* control);

// The accessible name of a control that has no caption beside it.
void nameControl(QWidget* control, const QString& name);

// A message or question box: heard as an alert whose name is its text, read out as it opens.
void nameAlert(QWidget* dialog, const QString& text);

// A result the worksheet shows (a green figure, a total): named by its caption, with the figure
// it shows as its accessible value. A label or a read-only line edit.
void nameResult(QWidget* result, const QString& caption);
