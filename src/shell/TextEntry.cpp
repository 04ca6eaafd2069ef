#include "TextEntry.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "Platform.h"
#include "ShellState.h"
#include "TypedKey.h"

TextEntry::TextEntry(QLineEdit* field, ShellState& state)
    : QObject(field), field_(field), state_(state) {
    // A pasted or dropped text cannot bring a double quote in either.
    field_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^\"]*")), field_));
    field_->installEventFilter(this);
}

bool TextEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched != field_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
        static_cast<QObject*>(field_)->event(event);
        field_->setSelection(0, static_cast<int>(field_->text().size()));
        platform::clearClipboard();
        return true;
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            emit left();
            state_.EditStarted = 0;
            platform::clearClipboard();
        }
        return false;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // Pasting and the editing history stay: the validator keeps quotes out of them.
        if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) ||
            key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
            return false;
        const typed_key::Key typed = typed_key::classify(key);
        switch (typed.kind) {
        case typed_key::Kind::Enter:
            if (next_)
                next_->setFocus(Qt::TabFocusReason);
            return true;
        case typed_key::Kind::Blocked:
            return true;
        case typed_key::Kind::PassOn:
            return false;
        case typed_key::Kind::Typed:
            break;
        }
        if (typed.code == U'"')
            return true;
        if (firstKeyEmpties_ && state_.EditStarted == 0) {
            field_->clear();
            state_.EditStarted = 1;
        }
        return false;
    }
    default:
        return false;
    }
}
