#include "ControlNames.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
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

// A result (a green figure, a total) is said as its caption, then the figure it shows; Qt's
// own label would say the figure as its name and nothing as its value.
// Desktop screen readers do not ask a label for its value: the figure is also offered as the
// result's text, read-only, as a read-only field offers its own.
class ResultLabel : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ResultLabel(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return widget()->accessibleName();
        if (t == QAccessible::Value)
            return figure();
        return QAccessibleWidget::text(t);
    }
    QString text(int startOffset, int endOffset) const override {
        return figure().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(figure().size()); }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

  private:
    QString figure() const { return static_cast<const QLabel*>(widget())->text().simplified(); }
};

// A message or question box: an alert, named by its text.
class AlertWindow : public QAccessibleWidget {
  public:
    explicit AlertWindow(QWidget* dialog) : QAccessibleWidget(dialog, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name || t == QAccessible::Description)
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
};

const char* const resultProperty = "pecunexResult";
const char* const alertProperty = "pecunexAlert";

// Tells a screen reader that an alert has opened, so that it reads its text at once.
class AlertAnnouncer : public QObject {
  public:
    explicit AlertAnnouncer(QWidget* dialog) : QObject(dialog) { dialog->installEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            QAccessibleEvent alert(watched, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        }
        return false;
    }
};

QAccessibleInterface* namedControls(const QString&, QObject* object) {
    if (auto* box = qobject_cast<QComboBox*>(object))
        return new NamedComboBox(box);
    if (auto* label = qobject_cast<QLabel*>(object);
        label && label->property(resultProperty).toBool())
        return new ResultLabel(label);
    if (auto* dialog = qobject_cast<QWidget*>(object);
        dialog && dialog->property(alertProperty).toBool())
        return new AlertWindow(dialog);
    return nullptr;
}

// Drops an interface Qt made before the control was named, so the next question gets ours.
template <class Ours> void forgetOtherInterface(QWidget* control) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(control);
        made && dynamic_cast<Ours*>(made) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
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
    QAccessible::installFactory(&namedControls); // kept once, however often installed
    control->setAccessibleName(spokenCaption(name));
    if (auto* box = qobject_cast<QComboBox*>(control)) {
        // The line edit of an editable list is heard as its list.
        if (box->lineEdit())
            box->lineEdit()->setAccessibleName(box->accessibleName());
        // A list box that was asked about before it had its name (setting its list does
        // that) keeps Qt's own interface; drop it, so the next question gets the named one.
        forgetOtherInterface<NamedComboBox>(control);
    }
}

void nameAlert(QWidget* dialog, const QString& text) {
    QAccessible::installFactory(&namedControls);
    dialog->setAccessibleName(text.simplified());
    if (!dialog->property(alertProperty).toBool()) {
        dialog->setProperty(alertProperty, true);
        forgetOtherInterface<AlertWindow>(dialog);
        new AlertAnnouncer(dialog);
    }
}

void nameResult(QWidget* result, const QString& caption) {
    QAccessible::installFactory(&namedControls);
    result->setAccessibleName(spokenCaption(caption));
    if (qobject_cast<QLabel*>(result)) {
        result->setProperty(resultProperty, true);
        forgetOtherInterface<ResultLabel>(result);
    }
}
