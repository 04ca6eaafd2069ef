#include "MortgageWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "Colours.h"
#include "ControlNames.h"
#include "DaysInYearDialog.h"
#include "Dialogs.h"
#include "FileCommands.h"
#include "FirstPaymentDateDialog.h"
#include "FocusReturn.h"
#include "Grid.h"
#include "Messages.h"
#include "MortgageTables.h"
#include "MortgageTexts.h"
#include "NumericEntry.h"
#include "Platform.h"
#include "PrePayDialog.h"
#include "QtText.h"
#include "ShellState.h"
#include "Workspace.h"

namespace {
QComboBox* makeList(const char* name, QWidget* parent, bool editable) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(editable);
    if (editable)
        box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(10);
    return box;
}
} // namespace

MortgageWindow::MortgageWindow(Workspace& workspace, MortgageTables& tables, QWidget* parent)
    : WorksheetPage(
          workspace,
          {"MortgageCalc",
           nullptr, // by mode
           {{"MCalc", "&Calculate", [this] { calculate(); }, &MCalc},
            {"MGraphs", cmd::Graph},
            {"MPrinter", cmd::Print},
            {"MHelp", cmd::Help},
            {"MExit", cmd::Exit},
            {"MSaveFile", cmd::Save},
            {"MLoadFile", cmd::Open},
            {"MShowIRF", "&Days in year", [this] { onDaysInYearClicked(); }},
            {"MDateNumber", "&View payment date", [this] { onDateViewClicked(); }, &MDateNumber},
            {"MAddPrePay", "&Additional payments", [this] { onAdditionalPaymentsClicked(); }}},
           {.objectName = "MTextBox",
            .lines =
                [](const ShellState& s) {
                    return mortgageQuickHelp(static_cast<LoanMode>(s.MortgageMode));
                },
            .disables = {"MPrinter", "MGraphs"},
            .enterGoesTo = "InPrincipal",
            .focusOnShow = false},
           workspace.state().MortgageMode == 2
               ? DocumentKind{.openMode = filemode::OpenLoan,
                              .saveMode = filemode::SaveLoan,
                              .saveFailed = msg::BadLoanFileName}
               : DocumentKind{.openMode = filemode::OpenMortgage,
                              .saveMode = filemode::SaveMortgage,
                              .saveFailed = msg::BadMortgageFileName}},
          parent),
      tables_(tables) {
    buildControls();
    buildLayout();
    setUpEntries();
    loadDefaults();
}

LoanMode MortgageWindow::mode() const {
    return static_cast<LoanMode>(state_.MortgageMode);
}

void MortgageWindow::buildControls() {
    const MortgageModeTexts& t = mortgageModeTexts(mode());
    title_ = new QLabel(qs(t.title), this);
    QFont big = title_->font();
    big.setBold(true);
    big.setPointSizeF(11);
    title_->setFont(big);

    InPrincipal = new QLineEdit(this);
    InPrincipal->setObjectName("InPrincipal");
    InRate = makeList("InRate", this, true);
    InTerm = makeList("InTerm", this, true);
    Comperiod = makeList("Comperiod", this, false);
    FreqPmt = makeList("FreqPmt", this, false);
    for (const auto& e : RateListEntries)
        InRate->addItem(qs(e));
    for (const auto& e : t.termList)
        InTerm->addItem(qs(e));
    for (const auto& e : CompoundingEntries)
        Comperiod->addItem(qs(std::string(e)));
    for (const auto& e : FrequencyEntries)
        FreqPmt->addItem(qs(std::string(e)));
    paintEntry(InPrincipal);
    InPrincipal->setAlignment(Qt::AlignRight);
    for (QComboBox* box : {InRate, InTerm}) {
        paintEntry(box);
        paintEntry(box->lineEdit());
        box->lineEdit()->setAlignment(Qt::AlignRight);
    }

    auto result = [this](const char* name) { return makeResultLabel(name, this); };
    InMonthPI = result("InMonthPI");
    NumPmtsYear = result("NumPmtsYear");
    PeriodicR = result("PeriodicR");
    InDays = result("InDays");
    EndMortYear = result("EndMortYear");
    AllPayments = result("AllPayments");
    TotSavd = result("TotSavd");

    MGrid = new Grid(this);
    MGrid->setObjectName("MGrid");
    nameControl(MGrid, "Payment schedule");
    MTextBox = makeQuickHelpBox();

    Option1 = new QRadioButton("All ", this);
    Option1->setObjectName("Option1");
    Option2 = new QRadioButton("Annual", this);
    Option2->setObjectName("Option2");

    makeCommands();

    connect(Option1, &QRadioButton::clicked, this, [this] { onViewOptionChosen(2); });
    connect(Option2, &QRadioButton::clicked, this, [this] { onViewOptionChosen(1); });
    connect(Comperiod, &QComboBox::currentIndexChanged, this, [this] { clearResults(); });
    connect(FreqPmt, &QComboBox::currentIndexChanged, this, [this] { clearResults(); });
    connect(InRate, &QComboBox::activated, this, [this] { onListEntryChosen(InRate); });
    connect(InTerm, &QComboBox::activated, this, [this] { onListEntryChosen(InTerm); });
}

void MortgageWindow::buildLayout() {
    const MortgageModeTexts& t = mortgageModeTexts(mode());
    QVBoxLayout* root = makePageLayout();

    // Title, and the view option on the right.
    auto* head = new QHBoxLayout;
    head->addWidget(title_);
    head->addStretch(1);
    head->addWidget(new QLabel("Show payments.", this));
    head->addWidget(Option1);
    head->addWidget(Option2);
    root->addLayout(head);

    // Entries, then results: each caption above its box, like the printout's headings.
    // Captions keep their own blanks and wrap in their column.
    auto columns = [this](const std::vector<std::pair<QLabel*, QWidget*>>& cells) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(1);
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            const auto& [caption, control] = cells[static_cast<size_t>(c)];
            caption->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
            // An entry takes its caption as its label; a result says its caption and figure.
            if (auto* result = qobject_cast<QLabel*>(control))
                nameResult(result, caption->text());
            else
                nameByCaption(caption, control);
            grid->addWidget(caption, 0, c);
            grid->addWidget(control, 1, c);
            grid->setColumnStretch(c, 1);
        }
        return grid;
    };
    principalCaption_ = rowCaption(qs(t.principalCaption));
    rateCaption_ = rowCaption(qs(t.rateCaption));
    termCaption_ = rowCaption(qs(t.termCaption));
    root->addLayout(columns({
        {principalCaption_, InPrincipal},
        {rateCaption_, InRate},
        {termCaption_, InTerm},
        {rowCaption(QStringLiteral(" Interest compound            periods per year.")), Comperiod},
        {rowCaption(QStringLiteral(" Frequency and type of      each payment.")), FreqPmt},
    }));
    totalPaidCaption_ = rowCaption(qs(t.totalPaidCaption));
    finalPaymentCaption_ = rowCaption(qs(t.finalPaymentCaption));
    root->addLayout(columns({
        {rowCaption(QStringLiteral(" Principal + Interest      payment.")), InMonthPI},
        {rowCaption(QStringLiteral(" No. of payments        each year.")), NumPmtsYear},
        {rowCaption(QStringLiteral(" Interest rate        factor.")), PeriodicR},
        {rowCaption(QStringLiteral(" Days          in year.")), InDays},
        {finalPaymentCaption_, EndMortYear},
        {totalPaidCaption_, AllPayments},
        {rowCaption(QStringLiteral(" Total interest           savings.")), TotSavd},
    }));
    for (QWidget* w :
         std::initializer_list<QWidget*>{InPrincipal, InRate, InTerm, Comperiod, FreqPmt})
        w->setMinimumWidth(platform::twipsToPixels(1500));
    for (QLabel* l :
         {InMonthPI, NumPmtsYear, PeriodicR, InDays, EndMortYear, AllPayments, TotSavd}) {
        l->setMinimumWidth(platform::twipsToPixels(1150));
        l->setFixedHeight(InPrincipal->sizeHint().height());
    }

    // Commands: two rows of five.
    auto* commands = new QGridLayout;
    commands->setSpacing(3);
    const char* order[] = {"MCalc",   "MPrinter",    "MSaveFile",  "MLoadFile", "MExit",
                           "MGraphs", "MDateNumber", "MAddPrePay", "MShowIRF",  "MHelp"};
    for (int i = 0; i < 10; ++i)
        commands->addWidget(named(order[i]), i / 5, i % 5);
    root->addLayout(commands);

    // The schedule, with the quick help laid over it.
    auto* stack = new QGridLayout;
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(MGrid, 0, 0);
    stack->addWidget(MTextBox, 0, 0);
    root->addLayout(stack, 1);
    MTextBox->hide();

    chainTabs({InPrincipal, InRate, InTerm, Comperiod, FreqPmt, MCalc});
}

void MortgageWindow::loadDefaults() {
    const MortgageModeTexts& t = mortgageModeTexts(mode());
    showCaption(qs(t.containerCaption));

    filling_ = true;
    InPrincipal->setText(
        qs("   " + state_.CurrencySymbol + formatNumber(t.principalValue, "###,,###.00", seps_)));
    std::string rate = t.rateDefault;
    if (seps_.decimalPoint != ".")
        rate.replace(rate.find('.'), 1, seps_.decimalPoint);
    InRate->setCurrentIndex(-1);
    InRate->setEditText(qs(rate));
    InTerm->setCurrentIndex(-1);
    InTerm->setEditText(qs(t.termDefault));
    Comperiod->setCurrentIndex(0);
    FreqPmt->setCurrentIndex(0);
    filling_ = false;

    // The shown defaults are the stored entries until the user retypes them.
    tables_.LoanInputs = {};
    outOfRange_ = {};
    tables_.LoanInputs[1] = Currency::fromDouble(t.principalValue).value_or(Currency{});
    tables_.LoanInputs[2] = Currency::fromDouble(t.rateValue).value_or(Currency{});
    tables_.LoanInputs[3] =
        Currency::fromDouble(mode() == LoanMode::Loan ? t.termShown / 12.0 : t.termShown)
            .value_or(Currency{});
    tables_.ExtraPayments = {};
    tables_.ExtraPaymentCount = 0;
    tables_.ExtraPaymentsInUse = 0;
    tables_.PaymentSchedule.reset();

    (state_.ScheduleView == 1 ? Option2 : Option1)->setChecked(true);
    tables_.DaysChoice = 1;
    setDateViewCaption();

    MGrid->setCols(6);
    MGrid->setFixedCols(1);
    MGrid->setHeadingLines(2);
    const int widths[] = {1320, 1260, 1260, 1380, 1380, 1380};
    for (int c = 0; c < 6; ++c) {
        MGrid->setColumnWidthTwips(c, widths[c]);
        MGrid->setColumnAlignment(c, c == 0 ? Qt::AlignLeft : Qt::AlignRight);
    }
    MGrid->setColumnFixedPitch(0, true);
    MGrid->setFitColumnsToWidth(true);
    clearResults();
}

// ---- simple commands --------------------------------------------------------------------

void MortgageWindow::onViewOptionChosen(int view) {
    state_.ScheduleView = static_cast<std::int16_t>(view);
    clearResults();
}

void MortgageWindow::setDateViewCaption() {
    MDateNumber->setText(state_.DateView == 1 ? "&View payment No." : "&View payment date");
}

void MortgageWindow::onDateViewClicked() {
    clearResults();
    if (state_.DateView == 1) {
        state_.DateView = 0;
    } else {
        state_.DateView = 1;
        const FocusReturn back;
        FirstPaymentDateDialog dialog(state_, workspace_.dialogs(), tables_.LoanInputs[3],
                                      workspace_.container());
        dialog.exec();
    }
    setDateViewCaption();
}

void MortgageWindow::onDaysInYearClicked() {
    const int before = tables_.DaysChoice;
    const FocusReturn back;
    DaysInYearDialog dialog(state_, tables_, workspace_.container());
    dialog.exec();
    if (tables_.DaysChoice != before)
        clearResults();
}

void MortgageWindow::onAdditionalPaymentsClicked() {
    clearResults();
    const FocusReturn back;
    PrePayDialog dialog(state_, tables_, workspace_.container());
    dialog.exec();
}

void MortgageWindow::leave() {
    tables_ = {};
    MTextBox->clear();
    lastInput_.reset();
}
