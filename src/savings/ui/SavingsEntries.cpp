// The worksheet's entry fields: what each stores and shows, the drop-down entries, the
// frequency list that takes no typing, and what counts as a change of entry.
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Dialogs.h"
#include "EntryFigure.h"
#include "Messages.h"
#include "NumericEntry.h"
#include "Platform.h"
#include "SavingsTables.h"
#include "SavingsTexts.h"
#include "SavingsWindow.h"
#include "ShellState.h"
#include "TypedKey.h"
#include "Workspace.h"

namespace {
QString qs(const std::string& s) {
    return QString::fromStdString(s);
}
Currency money(double value) {
    return Currency::fromDouble(value).value_or(Currency{});
}
// A field's text for the value it shows: a stored figure as money, a figure beyond the
// range as typed.
template <class Text> std::string shown(double value, const Text& text) {
    if (const auto stored = Currency::fromDouble(value))
        return text(*stored);
    return text(value);
}
} // namespace

void SavingsWindow::setUpEntries() {
    namespace e = savings_input;
    auto entry = [&](QComboBox* box, int element, std::function<std::string(double)> display,
                     bool minus = false) {
        NumericEntryConfig config;
        config.filter = NumericEntryConfig::Filter::Decimal;
        config.minusEmpties = minus;
        config.commit = [this, element](double v) { return commit(element, v); };
        config.display = std::move(display);
        return new NumericEntry(box->lineEdit(), state_, std::move(config));
    };
    auto rate = [this](double v) {
        return shown(v, [this](auto figure) { return rateText(figure, seps_); });
    };
    NumericEntry* lump = entry(InLumpInv, e::Lump, [this](double v) {
        return shown(v, [this](auto figure) {
            return lumpSumText(figure, state_.CurrencySymbol, seps_, false);
        });
    });
    NumericEntry* invest = entry(InInvest, e::Contribution, [this](double v) {
        return shown(v, [this](auto figure) {
            return contributionText(figure, state_.CurrencySymbol, seps_, false);
        });
    });
    NumericEntry* interest = entry(InRate, e::Rate, rate);
    NumericEntry* increase = entry(InIncrRate, e::Increase, rate, true);
    NumericEntry* inflation = entry(inInflatRate, e::Inflation, rate, true);

    NumericEntryConfig years;
    years.filter = NumericEntryConfig::Filter::Digit;
    years.commit = [this](double v) { return commitYears(v); };
    years.display = [this](double v) { return yearsText(money(v), seps_); };
    auto* term = new NumericEntry(InTerm->lineEdit(), state_, years);

    lump->setNext(InInvest);
    invest->setNext(InMonthsYrs);
    interest->setNext(InIncrRate);
    increase->setNext(inInflatRate);
    inflation->setNext(InTerm);
    term->setNext(SCalc);
    for (NumericEntry* n : {lump, invest, interest, increase, inflation, term})
        connect(n, &NumericEntry::editStarted, this, &SavingsWindow::changeOfEntry);

    for (QComboBox* box : {InLumpInv, InInvest, InRate, InIncrRate, inInflatRate, InTerm}) {
        // The entry component watches keys and focus where they arrive; the window only
        // notes a click or Delete in the line edit as a change of entry.
        box->lineEdit()->installEventFilter(this);
        connect(box, &QComboBox::activated, this, [this, box] { onListEntryChosen(box); });
    }
    InMonthsYrs->installEventFilter(this);
    connect(InMonthsYrs, &QComboBox::currentIndexChanged, this, &SavingsWindow::changeOfEntry);
}

double SavingsWindow::commit(int element, double value) {
    const auto i = static_cast<std::size_t>(element);
    return storeEntryFigure(value, tables_.SavingsInputs[i], outOfRange_[i]);
}

double SavingsWindow::commitYears(double value) {
    if (value > MaxSavingsYears) {
        workspace_.dialogs().showMessage(msg::FortyYearsLimit);
        value = MaxSavingsYears;
    }
    return commit(savings_input::Years, value);
}

void SavingsWindow::onListEntryChosen(QComboBox* box) {
    namespace e = savings_input;
    // The entries are written with a period, whatever the system's decimal point.
    const double value = leadingNumber(box->currentText().toStdString());
    const auto& in = tables_.SavingsInputs;
    const std::string& sym = state_.CurrencySymbol;
    std::string shown;
    if (box == InTerm) {
        commitYears(value);
        shown = yearsText(in[e::Years], seps_);
    } else if (box == InLumpInv) {
        shown = lumpSumText(money(commit(e::Lump, value)), sym, seps_, false);
    } else if (box == InInvest) {
        shown = contributionText(money(commit(e::Contribution, value)), sym, seps_, false);
    } else {
        const int element = box == InRate       ? e::Rate
                            : box == InIncrRate ? e::Increase
                                                : e::Inflation;
        shown = rateText(money(commit(element, value)), seps_);
    }
    box->setEditText(qs(shown));
    changeOfEntry();
}

bool SavingsWindow::onFrequencyKey(QEvent* event) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const typed_key::Key typed = typed_key::classify(key);
    if (typed.kind == typed_key::Kind::Enter) {
        InRate->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (typed.kind == typed_key::Kind::PassOn)
        return false; // Tab, arrows, F4, Alt+...
    platform::beep();
    state_.EditStarted = 0;
    return true;
}

bool SavingsWindow::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == STextBox) {
        if (type == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                InLumpInv->setFocus(Qt::OtherFocusReason);
                return true;
            }
        }
        return false;
    }
    if (watched == InMonthsYrs) {
        if (type == QEvent::MouseButtonPress)
            changeOfEntry();
        if (type == QEvent::FocusIn)
            platform::clearClipboard();
        return type == QEvent::KeyPress && onFrequencyKey(event);
    }
    // A line edit of an entry field: a click or Delete is a change of entry.
    if (type == QEvent::MouseButtonPress ||
        (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete))
        changeOfEntry();
    return false;
}
