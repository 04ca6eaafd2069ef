#pragma once
// The colours that tell the user what a field is, each defined once: entry boxes yellow,
// stored records white, results green; a figure below zero in red. Every window paints
// through the helpers below rather than mixing its own shades.
#include <QColor>

class QLabel;
class QWidget;

namespace colours {
inline constexpr QColor EntryBackground{255, 255, 128};  // yellow: the user types here
inline constexpr QColor RecordBackground{255, 255, 255}; // white: stored records
inline constexpr QColor ResultBackground{160, 255, 160}; // green: calculated results
inline constexpr QColor AlertText{255, 0, 0};            // red: a net below zero, a warning
inline constexpr QColor NormalText{0, 0, 0};             // black: every other figure
} // namespace colours

// An entry box: its text area yellow. `withButtonFace` also paints the button face, which a
// drop-down list shows when it is not editable.
void paintEntry(QWidget* box, bool withButtonFace = false);
// A grid of stored records: its cells white.
void paintRecords(QWidget* grid);
// The colour of a label's text.
void setTextColour(QWidget* label, const QColor& colour);
// A result label: a sunken green panel, the figure right-aligned.
QLabel* makeResultLabel(const char* name, QWidget* parent);
