#include "MainMenu.h"

#include <QDir>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "CommandButton.h"
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

MainMenu::MainMenu(ShellState& state, const WorksheetTable& worksheets, QWidget* parent)
    : QWidget(parent), state_(state) {
    setObjectName(QStringLiteral("MenuMain"));
    setAttribute(Qt::WA_StyledBackground, true);
    setStyleSheet(QString::fromLatin1(MenuStyle));

    // The buttons are made in the menu's Tab order: each worksheet's at the place its row
    // gives, the menu's own at places 5 to 8.
    struct Place {
        int place;
        const char* name;
        QString caption;
        QPushButton** made;
    };
    QPushButton *ptrFnt = nullptr, *exitButten = nullptr, *about = nullptr, *howTo = nullptr;
    std::vector<QPushButton*> planners(worksheets.size(), nullptr);
    std::vector<Place> order = {
        {5, "PTrFnt", QStringLiteral("Personali&ze Settings"), &ptrFnt},
        {6, "ExitButten", QStringLiteral("E&xit from Program"), &exitButten},
        {7, "About", QStringLiteral("&About..."), &about},
        {8, "HowTo", QStringLiteral("&How to Use the Program"), &howTo}};
    for (std::size_t i = 0; i < worksheets.size(); ++i)
        order.push_back(
            {worksheets[i].tabPlace, worksheets[i].button, worksheets[i].caption, &planners[i]});
    std::stable_sort(order.begin(), order.end(),
                     [](const Place& a, const Place& b) { return a.place < b.place; });
    for (const Place& p : order) // creation order is the Tab order
        *p.made = commandButton(this, p.name, p.caption);

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
    for (QPushButton* b : planners)
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
    auto* footer = new QLabel(listedWorksheets(worksheets, 4), this);
    footer->setObjectName(QStringLiteral("Footer"));
    footer->setAlignment(Qt::AlignCenter);
    layout->addWidget(footer);

    // The worksheet's button is remembered before the worksheet opens, so that the focus
    // comes back to it when the worksheet is left.
    for (std::size_t i = 0; i < worksheets.size(); ++i)
        connect(planners[i], &QPushButton::clicked, this,
                [this, opener = planners[i], id = worksheets[i].id] {
                    opener_ = opener;
                    emit worksheetRequested(id);
                });
    connect(ptrFnt, &QPushButton::clicked, this, &MainMenu::personalizeRequested);
    connect(exitButten, &QPushButton::clicked, this, &MainMenu::exitRequested);
    connect(about, &QPushButton::clicked, this, &MainMenu::aboutRequested);
    connect(howTo, &QPushButton::clicked, this, [this] { openUserGuide(state_); });

    refreshName();
}

void MainMenu::refreshName() {
    myName_->setText(QString::fromStdString(state_.UserName));
    myName_->setVisible(!state_.UserName.empty());
}

void MainMenu::focusOpener() {
    if (opener_)
        opener_->setFocus(Qt::OtherFocusReason);
}
