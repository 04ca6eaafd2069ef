#include "AboutBox.h"

#include <QLabel>

AboutBox::AboutBox(ShellState& state, const WorksheetTable& worksheets, QWidget* container)
    : PlacedDialog(state, container, Placement::About) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));
    setModal(true);

    auto* text = new QLabel(this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setText(QStringLiteral("Pecunex Ruv9 v3.3\n\n") + tr("A personal-finance planner:") +
                  '\n' + listedWorksheets(worksheets, 3));
    text->setAlignment(Qt::AlignCenter);

    auto* ok = button("&OK", "OKButton");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addWidget(text);
    layout->addSpacing(10);
    layout->addLayout(buttons);
}
