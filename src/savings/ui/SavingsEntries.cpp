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
#include "NumericEntry.h"
#include "Platform.h"
#include "SavingsPanel.h"
#include "SavingsTables.h"
#include "SavingsTexts.h"
#include "SavingsWindow.h"
#include "ShellState.h"
#include "TypedKey.h"
#include "Workspace.h"

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
        return entryText(v, [this](auto figure) { return rateText(figure, seps_); });
    };
    NumericEntry* lump = entry(InLumpInv, e::Lump, [this](double v) {
        return entryText(v, [this](auto figure) {
            return lumpSumText(figure, state_.CurrencySymbol, seps_, false);
        });
    });
    NumericEntry* invest = entry(InInvest, e::Contribution, [this](double v) {
        return entryText(v, [this](auto figure) {
            return contributionText(figure, state_.CurrencySymbol, seps_, false);
        });
    });
    NumericEntry* interest = entry(InRate, e::Rate, rate);
    NumericEntry* increase = entry(InIncrRate, e::Increase, rate, true);
    NumericEntry* inflation = entry(inInflatRate, e::Inflation, rate, true);

    NumericEntryConfig years;
    years.filter = NumericEntryConfig::Filter::Digit;
    years.commit = [this](double v) { return commit(savings_input::Years, v); };
    years.display = [this](double v) { return yearsText(entryMoney(v), seps_); };
    auto* term = new NumericEntry(InTerm->lineEdit(), state_, years);

    lump->setNext(InInvest);
    invest->setNext(InMonthsYrs);
    interest->setNext(InIncrRate);
    increase->setNext(inInflatRate);
    inflation->setNext(InTerm);
    term->setNext(SCalc);
    for (NumericEntry* n : {lump, invest, interest, increase, inflation, term})
        connect(n, &NumericEntry::editStarted, this, &SavingsWindow::changeOfEntry);

    const std::pair<QComboBox*, int> lists[] = {
        {InLumpInv, e::Lump},      {InInvest, e::Contribution},  {InRate, e::Rate},
        {InIncrRate, e::Increase}, {inInflatRate, e::Inflation}, {InTerm, e::Years}};
    for (const auto& [box, element] : lists) {
        // The entry component watches keys and focus where they arrive; the window only
        // notes a click or Delete in the line edit as a change of entry.
        box->lineEdit()->installEventFilter(this);
        connect(box, &QComboBox::activated, this, [this, box, element] {
            showChosenEntry(
                box, element, [this](int i, double v) { return commit(i, v); },
                state_.CurrencySymbol, seps_);
            changeOfEntry();
        });
    }
    InMonthsYrs->installEventFilter(this);
    connect(InMonthsYrs, &QComboBox::currentIndexChanged, this, &SavingsWindow::changeOfEntry);
}

double SavingsWindow::commit(int element, double value) {
    return storeSavingsFigure(element, value, tables_.SavingsInputs, outOfRange_,
                              workspace_.dialogs());
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
