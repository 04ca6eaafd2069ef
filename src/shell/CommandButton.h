#pragma once
// A worksheet's command button: named for the tests and the accelerators, and pressed by Enter
// when it has the focus (Qt presses only auto-default buttons on Enter).
#include <QPushButton>
#include <QString>

inline QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true);
    return button;
}
