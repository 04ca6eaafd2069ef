#include "PersonalizeDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <array>

#include "Colours.h"
#include "ControlNames.h"
#include "NumberFormat.h"
#include "Platform.h"
#include "Settings.h"
#include "ShellState.h"
#include "TextEntry.h"
#include "Workspace.h"

PersonalizeDialog::PersonalizeDialog(ShellState& state, Workspace& workspace)
    : PlacedDialog(state, workspace.container(), Placement::Personalize), workspace_(workspace) {
    setObjectName(QStringLiteral("ChangeFnt"));
    setWindowTitle(QStringLiteral("Personalize"));
    setModal(true);
    workspace_.setCaption(QStringLiteral(" Personalize"));

    auto* frame = new QGroupBox(QStringLiteral("Change Printer Font"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    const std::array<QString, 4> fonts = {
        QStringLiteral("Standard Printer Font"), QStringLiteral("Courier New 10 point font"),
        QStringLiteral("Courier New 11 point font"), QStringLiteral("Courier New 12 point font")};
    auto* frameLayout = new QVBoxLayout(frame);
    for (int index = 0; index < 4; ++index) {
        auto* option = new QRadioButton(fonts[static_cast<std::size_t>(index)], frame);
        option->setObjectName(QStringLiteral("PtrFt"));
        option->setProperty("index", index);
        option->setChecked(state_.PrinterFontChoice == index);
        connect(option, &QRadioButton::clicked, this, [this, index] { onOptionClicked(index); });
        frameLayout->addWidget(option);
    }

    auto* label2 = new QLabel(QStringLiteral("  Change Currency Symbol."), this);
    label2->setObjectName(QStringLiteral("Label2"));
    inCurrency_ = new QLineEdit(QString::fromStdString(state_.CurrencySymbol), this);
    inCurrency_->setObjectName(QStringLiteral("InCurrency"));
    inCurrency_->setMaximumWidth(60);
    inCurrency_->setAcceptDrops(false);
    inCurrency_->setContextMenuPolicy(Qt::NoContextMenu);
    inCurrency_->installEventFilter(this);

    auto* label3 = new QLabel(QStringLiteral("Type in your name"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    inMyName_ = new QLineEdit(QString::fromStdString(state_.UserName), this);
    inMyName_->setObjectName(QStringLiteral("InMyName"));
    nameByCaption(label2, inCurrency_);
    nameByCaption(label3, inMyName_);

    exitFonts_ = button("E&xit to Menu", "ExitFonts");
    exitFonts_->setAutoDefault(true); // Enter in the name box moves here; Enter again leaves
    connect(exitFonts_, &QPushButton::clicked, this, &PersonalizeDialog::onExitFontsClicked);

    // Neither box may hold a double quote: the settings file keeps its texts in quotes.
    auto* currency = new TextEntry(inCurrency_, state_);
    currency->setFirstKeyEmpties(true);
    currency->setNext(inMyName_);
    connect(currency, &TextEntry::left, this, &PersonalizeDialog::onCurrencyLeft);
    auto* name = new TextEntry(inMyName_, state_);
    name->setNext(exitFonts_);
    connect(name, &TextEntry::left, this, &PersonalizeDialog::onNameLeft);

    auto* label1 = new QLabel(this);
    label1->setObjectName(QStringLiteral("Label1"));

    for (QLineEdit* box : {inCurrency_, inMyName_})
        paintEntry(box);

    auto* entries = new QGridLayout;
    entries->addWidget(label2, 0, 0);
    entries->addWidget(inCurrency_, 0, 1, Qt::AlignLeft);
    entries->addWidget(label3, 1, 0);
    entries->addWidget(inMyName_, 1, 1);
    entries->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(label1, 1);
    buttons->addWidget(exitFonts_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->setSpacing(12);
    layout->addWidget(frame);
    layout->addLayout(entries);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

void PersonalizeDialog::onOptionClicked(int index) {
    state_.PrinterFontChoice = static_cast<std::int16_t>(index);
}

bool PersonalizeDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == inCurrency_ && event->type() == QEvent::MouseButtonPress) {
        // A click into the box starts a new symbol.
        if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton)
            return true;
        inCurrency_->clear();
        state_.EditStarted = 1;
    }
    return QDialog::eventFilter(watched, event);
}

void PersonalizeDialog::onCurrencyLeft() {
    if (state_.EditStarted == 1) {
        // Only the first two characters of a typed symbol are kept.
        inCurrency_->setText(
            QString::fromStdString(RightAlign(inCurrency_->text().toStdString(), 2)));
        state_.EditStarted = 0;
    }
    platform::clearClipboard();
}

void PersonalizeDialog::onNameLeft() {
    state_.UserName = inMyName_->text().toStdString();
    state_.EditStarted = 0;
}

void PersonalizeDialog::onExitFontsClicked() {
    if (leaving_)
        return;
    leaving_ = true;
    // The button's accelerator does not take the focus from a box: leave it first.
    QWidget* focus = focusWidget();
    if (focus == inCurrency_)
        onCurrencyLeft();
    if (focus == inMyName_)
        onNameLeft();

    state_.CurrencySymbol = withoutBlanks(inCurrency_->text().toStdString());
    (void)saveSettings(state_); // a settings file that cannot be written is not reported
    emit settingsSaved();
    workspace_.setCaption(QStringLiteral(" Pecunex Menu"));
    QDialog::accept();
}

void PersonalizeDialog::reject() {
    onExitFontsClicked();
}
