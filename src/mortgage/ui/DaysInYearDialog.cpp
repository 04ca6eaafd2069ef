#include "DaysInYearDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "MortgageTables.h"

DaysInYearDialog::DaysInYearDialog(ShellState& state, MortgageTables& tables, QWidget* container)
    : PlacedDialog(state, container, Placement::DaysInYear), tables_(tables),
      keptChoice_(tables.DaysChoice) {
    setObjectName("MortIRFTable");
    setWindowTitle("Accelerated payments");
    setModal(true);

    auto* frame = new QGroupBox(" Change interest rate factor - days ", this);
    auto* options = new QVBoxLayout(frame);
    const char* captions[] = {"365.25", "365", "364", "363"};
    for (int i = 0; i < 4; ++i) {
        IRFactor[i] = new QRadioButton(captions[i], frame);
        IRFactor[i]->setObjectName("IRFactor");
        IRFactor[i]->setProperty("index", i);
        options->addWidget(IRFactor[i]);
        connect(IRFactor[i], &QRadioButton::clicked, this, [this, i] { onOptionClicked(i); });
    }
    const int current = tables_.DaysChoice >= 0 && tables_.DaysChoice <= 3 ? tables_.DaysChoice : 0;
    IRFactor[current]->setChecked(true);

    auto* note = new QLabel("Most Financial Institutions use 365 days.", this);
    note->setWordWrap(true);
    auto* exit = new QPushButton("E&xit", this);
    exit->setObjectName("ExitMort");
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(note);
    layout->addWidget(exit, 0, Qt::AlignRight);
}

void DaysInYearDialog::onOptionClicked(int choice) {
    tables_.DaysChoice = static_cast<std::int16_t>(choice);
}

void DaysInYearDialog::reject() {
    tables_.DaysChoice = keptChoice_;
    QDialog::reject();
}
