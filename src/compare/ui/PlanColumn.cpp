#include "PlanColumn.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "Colours.h"
#include "CommandButton.h"
#include "ControlNames.h"
#include "Dates.h"
#include "Dialogs.h"
#include "Messages.h"
#include "NumericEntry.h"
#include "PlanText.h"
#include "Platform.h"
#include "QtText.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "TextEntry.h"

namespace {

// Below a billion: what a currency figure of the files can hold with room to add interest.
constexpr double LargestAmount = 999'999'999.99;

Currency amountOf(double value) {
    return Currency::fromDouble(std::clamp(value, 0.0, LargestAmount)).value_or(Currency{});
}

constexpr double MaxRatePercent = 999.999;

// An entry switched off by the convention is not yellow: it takes nothing.
void unpaintDisabled(QWidget* entry) {
    QPalette p = entry->palette();
    const QPalette standard = QApplication::palette(entry);
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Button})
        p.setColor(QPalette::Disabled, role, standard.color(QPalette::Disabled, QPalette::Window));
    entry->setPalette(p);
}

} // namespace

const std::vector<const char*>& PlanColumn::entryCaptions() {
    static const std::vector<const char*> captions = {"Principal",
                                                      "Annual rate (%)",
                                                      "Interest compounded",
                                                      "Payments",
                                                      "Term",
                                                      "Payment given (empty: computed)",
                                                      "Extra with each payment",
                                                      "Convention",
                                                      "Payment rounded",
                                                      "Interest rounded",
                                                      "Loan date (daily interest)",
                                                      "First payment date",
                                                      "Lump sums (after:amount:s/l; ...)",
                                                      "Renewals (after:new rate; ...)",
                                                      "Mortgage or loan file"};
    return captions;
}

const std::vector<const char*>& PlanColumn::resultCaptions() {
    static const std::vector<const char*> captions = {
        "Payment",          "Number of payments",   "Last payment",
        "Years to pay off", "Payoff date",          "Total interest",
        "Total paid",       "Interest saved vs. A", "Balance at renewals",
        "Worksheet savings"};
    return captions;
}

PlanColumn::PlanColumn(QWidget* sheet, ShellState& state, Dialogs& dialogs, LoanPlan& plan,
                       char letter)
    : QObject(sheet), state_(state), dialogs_(dialogs), plan_(plan), letter_(letter),
      seps_(platform::systemSeparators()) {
    const auto money = [this](double v) {
        return v == 0 ? std::string() : currencyText(amountOf(v), state_.CurrencySymbol, seps_);
    };
    // An amount beyond what a plan holds is refused, the field keeping its figure.
    const auto moneyField = [this, money](const char* name, int row, auto store, auto held) {
        return numericField(
            name, 2,
            [store, held](double v) {
                if (v <= LargestAmount)
                    store(amountOf(v));
                return held().toDouble();
            },
            money,
            [this, row](double v) {
                if (v <= LargestAmount)
                    return true;
                refuse(row, "an amount from 0 to " + currencyText(amountOf(LargestAmount),
                                                                  state_.CurrencySymbol, seps_));
                return false;
            });
    };
    principal_ = moneyField(
        "Principal", PrincipalRow, [this](Currency c) { plan_.principal = c; },
        [this] { return plan_.principal; });
    rate_ = numericField(
        "Rate", 4,
        [this](double v) {
            if (v <= MaxRatePercent)
                plan_.ratePercent = std::max(v, 0.0);
            return plan_.ratePercent;
        },
        [this](double v) { return formatNumber(v, "0.########", seps_) + "%"; },
        [this](double v) {
            if (v <= MaxRatePercent)
                return true;
            refuse(RateRow,
                   "a rate from 0 to " + formatNumber(MaxRatePercent, "0.########", seps_) + " %");
            return false;
        });
    compounding_ = list("Compounding", {});
    for (std::string_view e : CompoundingEntries)
        compounding_->addItem(qs(std::string(e)).trimmed());
    frequency_ = list("Frequency", {});
    for (std::string_view e : FrequencyEntries)
        frequency_->addItem(qs(std::string(e)).trimmed());
    // The term is judged in the unit chosen beside it (chosen first: it comes before it).
    term_ = numericField(
        "Term", 0,
        [this](double v) {
            const int most = plan_.termInMonths ? MaxTermMonths : MaxTermYears;
            if (v <= most)
                plan_.term = std::max(static_cast<int>(v), 1);
            return plan_.term;
        },
        [this](double v) { return formatNumber(v, "####", seps_); },
        [this](double v) {
            if (v <= (plan_.termInMonths ? MaxTermMonths : MaxTermYears))
                return true;
            refuse(TermRow, plan_.termInMonths
                                ? "a whole number of months from 1 to 480"
                                : "a whole number of years from 1 to 40 (for months, choose "
                                  "months first)");
            return false;
        });
    termUnit_ = list("TermUnit", {QStringLiteral("years"), QStringLiteral("months")});
    given_ = moneyField(
        "Given", GivenRow,
        [this](Currency c) { plan_.givenPayment = c.raw() > 0 ? std::optional(c) : std::nullopt; },
        [this] { return plan_.givenPayment.value_or(Currency{}); });
    extra_ = moneyField(
        "Extra", ExtraRow, [this](Currency c) { plan_.extra = c; }, [this] { return plan_.extra; });
    convention_ =
        list("Convention", {QStringLiteral("Worksheet"), QStringLiteral("Bank, exact interest"),
                            QStringLiteral("Bank, to the cent")});
    paymentRounding_ =
        list("PayRound", {QStringLiteral("nearest cent"), QStringLiteral("up to the cent")});
    interestRounding_ =
        list("IntRound", {QStringLiteral("nearest cent"), QStringLiteral("down to the cent")});
    // The forms these take are in their captions: no hint inside a field looks like an entry.
    loanDate_ = textField("LoanDate", [this] { return readDate(loanDate_, plan_.loanDate); });
    firstPayment_ =
        textField("FirstPay", [this] { return readDate(firstPayment_, plan_.firstPayment); });
    lumps_ = textField("Lumps", [this] { return readLumps(); });
    renewals_ = textField("Renewals", [this] { return readRenewals(); });
    file_ = commandButton(sheet, objectName("OpenPlan").toLatin1().constData(), "Open .umd/.uld");
    nameControl(file_, QStringLiteral("Open a mortgage or loan file into plan %1").arg(letter_));
    connect(file_, &QPushButton::clicked, this, &PlanColumn::fileRequested);

    auto* term = new QWidget(sheet);
    auto* termRow = new QHBoxLayout(term);
    termRow->setContentsMargins(0, 0, 0, 0);
    termRow->setSpacing(2);
    termRow->addWidget(termUnit_, 1);
    termRow->addWidget(term_, 1);
    cells_ = {principal_, rate_,         compounding_, frequency_,       term,
              given_,     extra_,        convention_,  paymentRounding_, interestRounding_,
              loanDate_,  firstPayment_, lumps_,       renewals_,        file_};

    const auto chosen = [this](QComboBox* box, auto store) {
        connect(box, &QComboBox::currentIndexChanged, this, [this, store](int i) {
            if (filling_ || i < 0)
                return;
            store(i);
            enableForConvention();
            noteChange();
        });
    };
    chosen(compounding_, [this](int i) { plan_.compounding = i; });
    chosen(frequency_, [this](int i) { plan_.frequency = i; });
    chosen(termUnit_, [this](int i) {
        // The same term in the other unit, as near as it goes.
        const bool months = i == 1;
        if (months != plan_.termInMonths)
            plan_.term = months ? std::min(plan_.term * 12, MaxTermMonths)
                                : std::max(1, (plan_.term + 6) / 12);
        plan_.termInMonths = months;
        filling_ = true;
        term_->setText(qs(formatNumber(plan_.term, "####", seps_)));
        filling_ = false;
    });
    chosen(convention_, [this](int i) {
        plan_.convention = i == 0 ? Convention::Worksheet
                                  : (i == 1 ? Convention::BankExact : Convention::BankCents);
    });
    chosen(paymentRounding_, [this](int i) {
        plan_.paymentRounding = i == 1 ? PaymentRounding::Up : PaymentRounding::Nearest;
    });
    chosen(interestRounding_, [this](int i) {
        plan_.interestRounding = i == 1 ? InterestRounding::Down : InterestRounding::Nearest;
    });

    for (const char* name : {"Payment", "Count", "Last", "Years", "Payoff", "Interest", "Paid",
                             "Saved", "Renewed", "Savings"}) {
        QLabel* label = makeResultLabel(objectName(name).toLatin1().constData(), sheet);
        label->setWordWrap(true);
        results_.push_back(label);
    }
    // Installed after the entries' own filters, so Enter is seen here first.
    for (QWidget* w : tabChain())
        if (w != file_)
            w->installEventFilter(this);
    showPlan();
}

QString PlanColumn::objectName(const char* name) const {
    return QString::fromLatin1(name) + QLatin1Char(letter_);
}

QLineEdit* PlanColumn::numericField(const char* name, int decimals,
                                    std::function<double(double)> commit,
                                    std::function<std::string(double)> display,
                                    std::function<bool(double)> check) {
    auto* field = new QLineEdit(qobject_cast<QWidget*>(parent()));
    field->setObjectName(objectName(name));
    field->setAlignment(Qt::AlignRight);
    paintEntry(field);
    unpaintDisabled(field);
    NumericEntryConfig config;
    config.filter =
        decimals == 0 ? NumericEntryConfig::Filter::Digit : NumericEntryConfig::Filter::Decimal;
    config.decimals = decimals;
    config.check = std::move(check);
    config.commit = std::move(commit);
    config.display = std::move(display);
    auto* entry = new NumericEntry(field, state_, std::move(config));
    connect(entry, &NumericEntry::editStarted, this, &PlanColumn::noteChange);
    return field;
}

QComboBox* PlanColumn::list(const char* name, const std::vector<QString>& entries) {
    auto* box = new QComboBox(qobject_cast<QWidget*>(parent()));
    box->setObjectName(objectName(name));
    for (const QString& e : entries)
        box->addItem(e);
    paintEntry(box, true);
    unpaintDisabled(box);
    return box;
}

QLineEdit* PlanColumn::textField(const char* name, std::function<bool()> read) {
    auto* field = new QLineEdit(qobject_cast<QWidget*>(parent()));
    field->setObjectName(objectName(name));
    paintEntry(field);
    unpaintDisabled(field);
    auto* entry = new TextEntry(field, state_);
    entry->setFirstKeyEmpties(true);
    connect(field, &QLineEdit::textEdited, this, &PlanColumn::noteChange);
    connect(entry, &TextEntry::left, this, [this, read] {
        if (!filling_)
            read();
    });
    return field;
}

// The rows' controls in order, the unit before the term it judges and the file button last.
std::vector<QWidget*> PlanColumn::tabChain() const {
    std::vector<QWidget*> chain = rowControls();
    chain.insert(chain.begin() + TermRow, termUnit_);
    chain.push_back(file_);
    return chain;
}

std::vector<QWidget*> PlanColumn::rowControls() const {
    return {principal_, rate_,         compounding_, frequency_,       term_,
            given_,     extra_,        convention_,  paymentRounding_, interestRounding_,
            loanDate_,  firstPayment_, lumps_,       renewals_};
}

QWidget* PlanColumn::termUnit() const {
    return termUnit_;
}

bool PlanColumn::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier))
        return QObject::eventFilter(watched, event);
    const std::vector<QWidget*> chain = tabChain();
    auto at = std::find(chain.begin(), chain.end(), watched);
    QWidget* next = enterNext_;
    // The file button is last: a disabled entry or the button itself hands on to `next`.
    for (++at; at + 1 < chain.end(); ++at)
        if ((*at)->isEnabled()) {
            next = *at;
            break;
        }
    if (next)
        next->setFocus(Qt::TabFocusReason);
    return true;
}

void PlanColumn::noteChange() {
    if (!filling_)
        emit changed();
}

void PlanColumn::enableForConvention() {
    // The worksheet's own arithmetic knows none of the lender's choices.
    const bool bank = plan_.convention != Convention::Worksheet;
    for (QWidget* w : std::initializer_list<QWidget*>{
             given_, extra_, paymentRounding_, interestRounding_, loanDate_, lumps_, renewals_})
        w->setEnabled(bank);
}

void PlanColumn::showPlan() {
    filling_ = true;
    const auto money = [this](Currency c) {
        return c.raw() == 0 ? QString() : qs(currencyText(c, state_.CurrencySymbol, seps_));
    };
    principal_->setText(money(plan_.principal));
    rate_->setText(!inUse() && plan_.ratePercent == 0
                       ? QString()
                       : qs(formatNumber(plan_.ratePercent, "0.########", seps_) + "%"));
    compounding_->setCurrentIndex(plan_.compounding);
    frequency_->setCurrentIndex(plan_.frequency);
    term_->setText(qs(formatNumber(plan_.term, "####", seps_)));
    termUnit_->setCurrentIndex(plan_.termInMonths ? 1 : 0);
    given_->setText(plan_.givenPayment ? money(*plan_.givenPayment) : QString());
    extra_->setText(money(plan_.extra));
    convention_->setCurrentIndex(plan_.convention == Convention::Worksheet   ? 0
                                 : plan_.convention == Convention::BankExact ? 1
                                                                             : 2);
    paymentRounding_->setCurrentIndex(plan_.paymentRounding == PaymentRounding::Up ? 1 : 0);
    interestRounding_->setCurrentIndex(plan_.interestRounding == InterestRounding::Down ? 1 : 0);
    const auto date = [](const std::optional<int>& d) {
        return d ? qs(platform::shortDate(*d)) : QString();
    };
    loanDate_->setText(date(plan_.loanDate));
    firstPayment_->setText(date(plan_.firstPayment));
    lumps_->setText(localText(lumpListText(plan_.lumps)));
    renewals_->setText(localText(renewalListText(plan_.renewals)));
    enableForConvention();
    filling_ = false;
}

// A list's text with the system's decimal point; the lists themselves are read with a period.
QString PlanColumn::localText(std::string text) const {
    if (seps_.decimalPoint != ".")
        std::replace(text.begin(), text.end(), '.', seps_.decimalPoint.front());
    return qs(text);
}

// A message naming the plan, the entry and the form it takes; the focus goes back to the
// entry, its text selected to be typed over.
void PlanColumn::refuse(int row, const std::string& form) {
    state_.MessageDetail = std::string("Plan ") + letter_ + ", " +
                           entryCaptions()[static_cast<std::size_t>(row)] + ": " + form + ".";
    dialogs_.showMessage(msg::DetailOnly);
    QWidget* entry = rowControls()[static_cast<std::size_t>(row)];
    QTimer::singleShot(0, entry, [entry] {
        entry->setFocus(Qt::OtherFocusReason);
        if (auto* field = qobject_cast<QLineEdit*>(entry))
            field->selectAll();
    });
}

bool PlanColumn::readDate(QLineEdit* field, std::optional<int>& date) {
    const std::string text = field->text().trimmed().toStdString();
    date.reset();
    if (text.empty())
        return true;
    if (const auto day = platform::parseDate(text)) {
        date = *day;
        field->setText(qs(platform::shortDate(*day)));
        return true;
    }
    refuse(field == loanDate_ ? LoanDateRow : FirstPaymentRow,
           "\"" + text + "\" is not a date; a date as " +
               platform::shortDate(dateSerial(2027, 1, 31)) + " or empty");
    return false;
}

// A list typed with the system's decimal point, read with a period; shown again as read.
template <class Item>
bool PlanColumn::readList(QLineEdit* field, int row, const char* form, std::vector<Item>& items,
                          Result<std::vector<Item>> (*parse)(std::string_view),
                          std::string (*write)(const std::vector<Item>&)) {
    std::string text = field->text().toStdString();
    if (seps_.decimalPoint != ".")
        std::replace(text.begin(), text.end(), seps_.decimalPoint.front(), '.');
    Result<std::vector<Item>> read = parse(text);
    if (!read) {
        refuse(row, "\"" + read.failure().what + "\" is not " + form);
        return false;
    }
    items = std::move(read).value();
    field->setText(localText(write(items)));
    return true;
}

bool PlanColumn::readLumps() {
    return readList(lumps_, LumpsRow,
                    "after:amount:s or after:amount:l (shorten the term or lower the payment), "
                    "separated by semicolons: 12:5000:s; 60:10000:l; at most 20",
                    plan_.lumps, parseLumpList, lumpListText);
}

bool PlanColumn::readRenewals() {
    return readList(renewals_, RenewalsRow,
                    "after:new rate, separated by semicolons: 60:4.25; 120:5; at most 3",
                    plan_.renewals, parseRenewalList, renewalListText);
}

bool PlanColumn::readTexts() {
    if (filling_)
        return true;
    return readDate(loanDate_, plan_.loanDate) && readDate(firstPayment_, plan_.firstPayment) &&
           readLumps() && readRenewals();
}

bool PlanColumn::inUse() const {
    return plan_.principal.raw() > 0;
}

void PlanColumn::showResult(const ComparedPlan& compared, std::optional<Currency> saved,
                            const std::function<std::string(int)>& formatDate) {
    const PlanResult& r = compared.result;
    const auto money = [this](Currency c) {
        return qs(currencyText(c, state_.CurrencySymbol, seps_));
    };
    // After payment k: the balance, then the payment at the new rate.
    QStringList renewed;
    for (const RenewalBalance& b : r.renewalBalances) {
        QString line = QString::number(b.after) + QStringLiteral(": ") + money(b.balance);
        if (static_cast<std::size_t>(b.after) < r.rows.size())
            line += QStringLiteral(", then ") +
                    money(r.rows[static_cast<std::size_t>(b.after)].payment);
        renewed << line;
    }
    // The payment, then each one computed again with the payment number it starts at.
    QString payments = money(r.payment);
    for (std::size_t i = 1; i < r.paymentsInForce.size(); ++i)
        payments += QStringLiteral("\nfrom %1: ").arg(r.paymentsInForce[i].from) +
                    money(r.paymentsInForce[i].payment);
    const QString texts[] = {payments,
                             QString::number(r.payments),
                             money(r.lastPayment),
                             qs(formatNumber(r.years, "####,,##0.00", seps_)),
                             r.payoffDate ? qs(formatDate(*r.payoffDate)) : QString(),
                             money(r.totalInterest),
                             money(r.totalPaid),
                             saved ? money(*saved) : QString(),
                             renewed.join(QLatin1Char('\n')),
                             r.worksheetSavings ? money(*r.worksheetSavings) : QString()};
    for (std::size_t i = 0; i < results_.size(); ++i)
        results_[i]->setText(texts[i]);
}

void PlanColumn::clearResult() {
    for (QLabel* label : results_)
        label->clear();
}
