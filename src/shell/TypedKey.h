#pragma once
// Which key presses count as typing. A text box reacts to the character keys (and
// backspace and delete); caret movement, Tab, function keys, modifiers and Escape pass
// through without touching the figure, and editing shortcuts that would bring in text from
// elsewhere (paste, undo, redo, cut) are not allowed in a guarded box. A key held with Ctrl,
// Alt or Meta that reaches a box was taken by no shortcut: it never changes the box.
#include <QKeyEvent>
#include <QKeySequence>

namespace typed_key {

enum class Kind {
    Enter,   // Return or the keypad's Enter
    Typed,   // a character, backspace or delete: `code` holds its character code
    Blocked, // paste, cut, undo, redo, and anything else with Ctrl, Alt or Meta that would
             // change the text: swallowed
    PassOn,  // everything else: the box handles it as usual
};

struct Key {
    Kind kind = Kind::PassOn;
    char32_t code = 0;
};

// Whether a key held with a modifier would change a text box's text.
inline bool changesText(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        return true;
    for (auto deleting : {QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
                          QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine,
                          QKeySequence::Backspace, QKeySequence::Delete})
        if (event->matches(deleting))
            return true;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0) >= QChar(0x20) && text.at(0) != QChar(0x7f);
}

inline Key classify(const QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut) ||
        event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo))
        return {Kind::Blocked, 0};
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return {Kind::Enter, 13};
    // A text box would insert the text of any key that reaches it, whatever the modifiers,
    // and delete words or lines with its own Ctrl shortcuts. With Ctrl, Alt or Meta only
    // caret movement, selection and copying pass on.
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return changesText(event) ? Key{Kind::Blocked, 0} : Key{Kind::PassOn, 0};
    if (event->key() == Qt::Key_Backspace)
        return {Kind::Typed, 8};
    if (event->key() == Qt::Key_Delete)
        return {Kind::Typed, 127};
    const QString text = event->text();
    if (text.isEmpty())
        return {Kind::PassOn, 0};
    const char32_t ch = text.toUcs4().value(0);
    if (ch < 0x20 || (ch >= 0x7f && ch < 0xa0))
        return {Kind::PassOn, 0}; // Tab, Escape and other controls
    return {Kind::Typed, ch};
}

} // namespace typed_key
