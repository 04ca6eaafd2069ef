#include "MainMenu.h"

#include <QDir>
#include <QFont>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "Platform.h"
#include "ShellState.h"

namespace {

constexpr auto MenuStyle = R"(
QWidget#MenuMain { background: #f3efe4; }
QLabel#Label3 { background: #1f4e5f; border-radius: 6px; }
QLabel#Label4 { background: #c9a227; }
QLabel#Label2 { color: #fdf8ea; background: transparent; }
QLabel#MyName { color: #e7d9a8; background: transparent; }
QLabel[group="true"] { color: #1f4e5f; font-weight: bold; }
QLabel#Footer { color: #7a7358; }
QPushButton { min-height: 26px; padding: 2px 14px; text-align: left; }
)";

QLabel* groupTitle(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setProperty("group", true);
    return label;
}

} // namespace

void openUserGuide(const ShellState& state) {
    platform::openWithDesktop(QDir(QString::fromStdString(state.ProgramFolder))
                                  .filePath(QStringLiteral("pnxuse33.html")));
}

MainMenu::MainMenu(ShellState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setObjectName(QStringLiteral("MenuMain"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QString::fromLatin1(MenuStyle));

    // The buttons are made in the menu's own order, which is also the Tab order.
    QPushButton* networth = addButton("Networth", QStringLiteral("&Net Worth"));
    QPushButton* compare = addButton("Compare", QStringLiteral("&Compare Loans"));
    QPushButton* goal = addButton("Goal", QStringLiteral("Savings &Goal"));
    QPushButton* loanPmt = addButton("LoanPmt", QStringLiteral("Planning your &Loans"));
    QPushButton* toBudget = addButton("ToBudget", QStringLiteral("Planning your &Budget"));
    QPushButton* ptrFnt = addButton("PTrFnt", QStringLiteral("Personali&ze Settings"));
    QPushButton* exitButten = addButton("ExitButten", QStringLiteral("E&xit from Program"));
    QPushButton* about = addButton("About", QStringLiteral("&About..."));
    QPushButton* howTo = addButton("HowTo", QStringLiteral("&How to Use the Program"));
    QPushButton* canadian = addButton("Canadian", QStringLiteral("Planning your &Mortgage"));
    QPushButton* savings = addButton("Savings", QStringLiteral("Planning your &Savings"));

    // Title band: Label3 is the band, Label2 the title on it, MyName beneath the title.
    auto* band = new QLabel(this);
    band->setObjectName(QStringLiteral("Label3"));
    auto* title = new QLabel(QStringLiteral("Pecunex Ruv9"), band);
    title->setObjectName(QStringLiteral("Label2"));
    QFont serif;
    serif.setFamilies({QStringLiteral("MS Serif"), QStringLiteral("Liberation Serif"),
                       QStringLiteral("DejaVu Serif"), QStringLiteral("serif")});
    serif.setStyleHint(QFont::Serif);
    serif.setPointSize(26);
    serif.setBold(true);
    title->setFont(serif);
    myName_ = new QLabel(band);
    myName_->setObjectName(QStringLiteral("MyName"));
    QFont nameFont = serif;
    nameFont.setPointSize(12);
    nameFont.setBold(false);
    nameFont.setItalic(true);
    myName_->setFont(nameFont);
    auto* bandLayout = new QVBoxLayout(band);
    // A label sizes itself by its text; the band has none, so its layout sets its size.
    bandLayout->setSizeConstraint(QLayout::SetMinimumSize);
    bandLayout->setContentsMargins(24, 14, 24, 14);
    bandLayout->setSpacing(2);
    bandLayout->addWidget(title, 0, Qt::AlignHCenter);
    bandLayout->addWidget(myName_, 0, Qt::AlignHCenter);

    auto* rule = new QLabel(this);
    rule->setObjectName(QStringLiteral("Label4"));
    rule->setFixedHeight(3);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(5);
    grid->addWidget(groupTitle(tr("Planners"), this), 0, 0);
    grid->addWidget(groupTitle(tr("Program"), this), 0, 1);
    int row = 1;
    for (QPushButton* b : {canadian, loanPmt, toBudget, savings, networth, compare, goal})
        grid->addWidget(b, row++, 0);
    row = 1;
    for (QPushButton* b : {ptrFnt, howTo, about, exitButten})
        grid->addWidget(b, row++, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 12, 36, 12);
    layout->setSpacing(8);
    layout->addWidget(band);
    layout->addWidget(rule);
    layout->addSpacing(4);
    layout->addLayout(grid);
    layout->addStretch(1);
    auto* footer =
        new QLabel(tr("Budget \u00b7 Mortgages and loans \u00b7 Savings \u00b7 Net worth \u00b7 "
                      "Compare Loans \u00b7 Savings Goal"),
                   this);
    footer->setObjectName(QStringLiteral("Footer"));
    footer->setAlignment(Qt::AlignCenter);
    layout->addWidget(footer);

    // The worksheet's button is remembered before the worksheet opens, so that the focus
    // comes back to it when the worksheet is left.
    for (QPushButton* opener : {networth, compare, goal, loanPmt, toBudget, canadian, savings})
        connect(opener, &QPushButton::clicked, this, [this, opener] { opener_ = opener; });
    connect(networth, &QPushButton::clicked, this, &MainMenu::onNetworthClicked);
    connect(compare, &QPushButton::clicked, this,
            [this] { emit worksheetRequested(Worksheet::Compare); });
    connect(goal, &QPushButton::clicked, this,
            [this] { emit worksheetRequested(Worksheet::Goal); });
    connect(loanPmt, &QPushButton::clicked, this, &MainMenu::onLoanPmtClicked);
    connect(toBudget, &QPushButton::clicked, this, &MainMenu::onToBudgetClicked);
    connect(ptrFnt, &QPushButton::clicked, this, &MainMenu::personalizeRequested);
    connect(exitButten, &QPushButton::clicked, this, &MainMenu::exitRequested);
    connect(about, &QPushButton::clicked, this, &MainMenu::aboutRequested);
    connect(howTo, &QPushButton::clicked, this, &MainMenu::onHowToClicked);
    connect(canadian, &QPushButton::clicked, this, &MainMenu::onCanadianClicked);
    connect(savings, &QPushButton::clicked, this, &MainMenu::onSavingsClicked);

    refreshName();
}

QPushButton* MainMenu::addButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(true); // Enter presses the focused button
    // Creation order is the Tab order.
    return button;
}

void MainMenu::refreshName() {
    myName_->setText(QString::fromStdString(state_.UserName));
    myName_->setVisible(!state_.UserName.empty());
}

void MainMenu::focusOpener() {
    if (opener_)
        opener_->setFocus(Qt::OtherFocusReason);
}

void MainMenu::onNetworthClicked() {
    emit worksheetRequested(Worksheet::NetWorth);
}

void MainMenu::onLoanPmtClicked() {
    state_.MortgageMode = 2;
    emit worksheetRequested(Worksheet::Loan);
}

void MainMenu::onToBudgetClicked() {
    emit worksheetRequested(Worksheet::Budget);
}

void MainMenu::onCanadianClicked() {
    state_.MortgageMode = 1;
    emit worksheetRequested(Worksheet::Mortgage);
}

void MainMenu::onSavingsClicked() {
    state_.ContextCode = 1;
    emit worksheetRequested(Worksheet::Savings);
}

void MainMenu::onHowToClicked() {
    openUserGuide(state_);
}
