#include "ControlNames.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// Qt's own accessible list box gives, on Linux, its value as its name and leaves the caption
// to the label relation; readers that only say names would announce "$1,200.00". A list box
// we have named says its name, and its value as its value.
class NamedComboBox : public QAccessibleWidget {
  public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}
    QString text(QAccessible::Text t) const override {
        const auto* box = static_cast<const QComboBox*>(widget());
        if (t == QAccessible::Name && !box->accessibleName().isEmpty())
            return box->accessibleName();
        if (t == QAccessible::Value)
            return box->isEditable() && box->lineEdit() ? box->lineEdit()->text()
                                                        : box->currentText();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* namedControls(const QString&, QObject* object) {
    if (auto* box = qobject_cast<QComboBox*>(object))
        return new NamedComboBox(box);
    return nullptr;
}

} // namespace

QString spokenCaption(const QString& caption) {
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        // "&&" is a literal ampersand; a single "&" only marks the accelerator.
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text.simplified();
}

void nameByCaption(QLabel* caption, QWidget* control) {
    caption->setBuddy(control);
    nameControl(control, caption->text());
}

void nameControl(QWidget* control, const QString& name) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&namedControls);
        return true;
    }();
    (void)factoryInstalled;
    control->setAccessibleName(spokenCaption(name));
    // A list box that was asked about before it had its name (setting its list does that)
    // keeps Qt's own interface; drop it, so the next question gets the named one.
    if (qobject_cast<QComboBox*>(control)) {
        if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control);
            made && dynamic_cast<NamedComboBox*>(made) == nullptr)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}
