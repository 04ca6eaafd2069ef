#include "NumericEntry.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include "KeyFilters.h"
#include "NumberFormat.h"
#include "Platform.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "TypedKey.h"

namespace {
// Swallows the click that moved the focus to `target` and then goes: a command clicked
// while a refused figure was being committed does not run.
class ClickSwallower : public QObject {
  public:
    explicit ClickSwallower(QWidget* target) : QObject(target) { target->installEventFilter(this); }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::MouseButtonRelease:
            deleteLater();
            return true;
        default:
            return false;
        }
    }
};
} // namespace

// Text can only enter the field key by key, through its filter: pasting (keyboard, middle
// button, context menu) and dropping are switched off, since none of them would pass the
// filter. The clipboard is emptied on entering and leaving the field in any case.
//
// The keyboard focus may belong to another widget than the line edit: an editable list is
// the focus proxy of its line edit, takes the focus and the keys itself and hands them on
// to the line edit by direct calls, which no event filter sees. Keys and focus changes are
// therefore watched where they arrive (the focus holder); a key the filter lets pass takes
// the holder's usual way, and one the line edit ignores goes on to the window once.
NumericEntry::NumericEntry(QLineEdit* field, ShellState& state, NumericEntryConfig config)
    : QObject(field), field_(field), holder_(field->focusProxy() ? field->focusProxy() : field),
      state_(state), config_(std::move(config)) {
    field_->setAcceptDrops(false);
    field_->setContextMenuPolicy(Qt::NoContextMenu);
    field_->installEventFilter(this);
    if (holder_ != field_)
        holder_->installEventFilter(this);
    // What the user typed is what is stored: a list's entries are offered, never completed in.
    // The line edit of an editable list is heard as its list.
    if (auto* list = qobject_cast<QComboBox*>(holder_); list && field_->accessibleName().isEmpty())
        field_->setAccessibleName(list->accessibleName());
    if (auto* list = qobject_cast<QComboBox*>(holder_))
        list->setCompleter(nullptr);
    field_->setCompleter(nullptr);
}

bool NumericEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == field_ && holder_ != field_)
        return onFieldMouse(event);
    if (watched != holder_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: {
        // Let the box take the focus first, then select its whole figure.
        static_cast<QObject*>(holder_)->event(event);
        onFocusIn();
        return true;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Another application or a pop-up taking the focus does not leave the field.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            QWidget* target = QApplication::focusWidget();
            const bool accepted = commitEdit();
            platform::clearClipboard();
            if (!accepted && reason == Qt::MouseFocusReason && target && target != holder_ &&
                QApplication::mouseButtons() != Qt::NoButton)
                new ClickSwallower(target);
        }
        return false;
    }
    case QEvent::ShortcutOverride: {
        // A command's accelerator runs the command without moving the focus: commit the typed
        // figure first, as leaving the field for that command would. A refused figure keeps
        // the key from reaching any shortcut; it then arrives here as a key press, which
        // types nothing.
        auto* key = static_cast<QKeyEvent*>(event);
        const int k = key->key();
        const bool mnemonic =
            (k >= Qt::Key_0 && k <= Qt::Key_9) || (k >= Qt::Key_A && k <= Qt::Key_Z);
        if (mnemonic && (key->modifiers() & Qt::AltModifier) && state_.EditStarted == 1 &&
            !commitEdit()) {
            key->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress:
        return onKey(static_cast<QKeyEvent*>(event));
    default:
        return onFieldMouse(event);
    }
}

bool NumericEntry::onFieldMouse(QEvent* event) {
    // The middle button pastes the selection on X11.
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease;
    return press && static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
}

void NumericEntry::onFocusIn() {
    field_->setSelection(0, static_cast<int>(field_->text().size()));
    platform::clearClipboard();
}

bool NumericEntry::commitEdit() {
    bool accepted = true;
    if (state_.EditStarted == 1) {
        const NumberSeparators seps = platform::systemSeparators();
        double value = leadingNumber(field_->text().toStdString(), seps.decimalPoint);
        // Ended first: a message the check shows moves the focus, which must not commit again.
        state_.EditStarted = 0;
        if (config_.check)
            accepted = config_.check(value);
        if (config_.commit)
            value = config_.commit(value);
        const std::string shown =
            config_.display ? config_.display(value)
                            : RightAlign(formatNumber(value, config_.pattern, seps), config_.width);
        field_->setText(QString::fromStdString(shown));
        emit committed(value);
    }
    return accepted;
}

bool NumericEntry::onKey(QKeyEvent* event) {
    const typed_key::Key key = typed_key::classify(event);
    switch (key.kind) {
    case typed_key::Kind::PassOn:
        return false;
    case typed_key::Kind::Blocked:
        return true;
    case typed_key::Kind::Enter:
        if (next_)
            next_->setFocus(Qt::TabFocusReason);
        return true;
    case typed_key::Kind::Typed:
        break;
    }

    // The first key replaces the figure, whether or not the filter lets it in.
    if (state_.EditStarted == 0) {
        field_->clear();
        state_.EditStarted = 1;
        emit editStarted();
    }

    if (config_.minusEmpties && key.code == U'-') {
        field_->setText(QStringLiteral("-"));
        return true;
    }

    // The filters judge the text with a period as decimal point. Where the system uses
    // another character, both it and the period type the system's decimal point.
    const std::string point = platform::systemSeparators().decimalPoint;
    const QString typed = event->text();
    const bool decimal = config_.filter == NumericEntryConfig::Filter::Decimal;
    const bool foreignPoint =
        decimal && point != "." &&
        (typed == QLatin1String(".") || typed == QString::fromStdString(point));

    QString text = field_->text();
    if (point != ".")
        text.replace(QString::fromStdString(point), QStringLiteral("."));
    state_.FilterText = text.toStdString();

    // Characters outside the 8-bit range are no digits: they go to the filter as a code it
    // refuses, so they are refused the same way.
    std::int16_t code =
        foreignPoint ? key::Period : static_cast<std::int16_t>(key.code <= 255 ? key.code : 255);
    const Beep beep = [] { platform::beep(); };
    if (decimal) {
        if (config_.decimals >= 3)
            state_.FilterDecimals = static_cast<std::int16_t>(config_.decimals);
        DecimalKeyFilter(code, state_.FilterText, state_.FilterDecimals, beep);
    } else {
        DigitKeyFilter(code, beep);
    }
    if (code == 0)
        return true;
    if (foreignPoint) {
        field_->insert(QString::fromStdString(point));
        return true;
    }
    return false;
}
