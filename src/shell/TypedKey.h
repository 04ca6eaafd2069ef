#pragma once
// Which key presses count as typing. A text box reacts to the character keys (and
// backspace and delete); caret movement, Tab, function keys, modifiers and Escape pass
// through without touching the figure, and editing shortcuts that would bring in text from
// elsewhere (paste, undo, redo, cut) are not allowed in a guarded box.
#include <QKeyEvent>
#include <QKeySequence>
#include <optional>

namespace typed_key {

enum class Kind {
    Enter,     // Return or the keypad's Enter
    Typed,     // a character, backspace or delete: `code` holds its character code
    Blocked,   // paste, cut, undo, redo: swallowed
    PassOn,    // everything else: the box handles it as usual
};

struct Key {
    Kind kind = Kind::PassOn;
    char32_t code = 0;
};

inline Key classify(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return {Kind::Blocked, 0};
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return {Kind::Enter, 13};
    case Qt::Key_Backspace: return {Kind::Typed, 8};
    case Qt::Key_Delete: return {Kind::Typed, 127};
    default: break;
    }
    // A text box inserts the text of any key that reaches it, whatever the modifiers, except
    // with Ctrl or Ctrl+Shift alone (its editing shortcuts): Alt+5 or Ctrl with a keypad key
    // types as well, so such keys are typing too and pass the same filter.
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods == Qt::ControlModifier || mods == (Qt::ControlModifier | Qt::ShiftModifier)) return {Kind::PassOn, 0};
    const QString text = event->text();
    if (text.isEmpty()) return {Kind::PassOn, 0};
    const char32_t ch = text.toUcs4().value(0);
    if (ch < 0x20 || (ch >= 0x7f && ch < 0xa0)) return {Kind::PassOn, 0};  // Tab, Escape and other controls
    return {Kind::Typed, ch};
}

} // namespace typed_key
