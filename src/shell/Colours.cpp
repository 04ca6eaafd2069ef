#include "Colours.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace {
void paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(role, colour);
    widget->setPalette(p);
}
} // namespace

void paintEntry(QWidget* box, bool withButtonFace) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, colours::EntryBackground);
    if (withButtonFace)
        p.setColor(QPalette::Button, colours::EntryBackground);
    box->setPalette(p);
}

void paintRecords(QWidget* grid) {
    paint(grid, QPalette::Base, colours::RecordBackground);
}

void setTextColour(QWidget* label, const QColor& colour) {
    paint(label, QPalette::WindowText, colour);
}

QLabel* makeResultLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    paint(label, QPalette::Window, colours::ResultBackground);
    return label;
}
