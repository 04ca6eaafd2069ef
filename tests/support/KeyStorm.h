#pragma once
// Seeded random keys and clicks over a window's fields: a field must hold only what its filter
// lets in, and the caller's invariants hold after every burst. PECUNEX_STORM_SEED replays a run.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

#include "KeyboardTable.h"

namespace storm {

inline const QString Digits = QStringLiteral("0123456789");
inline const QString Decimal = QStringLiteral("0123456789.");
inline const Qt::KeyboardModifiers Modifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                                  Qt::ControlModifier, Qt::AltModifier};

struct Field {
    QString name;
    QWidget* window;                 // shown again when a key closed it
    QWidget* focus;                  // what the user clicks into
    std::function<QString()> text;   // what the field holds
    QString admitted;                // the characters its filter lets in; empty: free text
    bool quoteAdmitted = false;      // free text: a double quote too
    std::function<void()> prepare{}; // puts the field back where the user left it
};

// Free text: any printable character, a double quote only where the field takes one.
inline bool onlyAdmitted(const Field& f, const QString& text) {
    return std::all_of(text.begin(), text.end(), [&f](QChar c) {
        return f.admitted.isEmpty() ? c.isPrint() && (c != QLatin1Char('"') || f.quoteAdmitted)
                                    : f.admitted.contains(c);
    });
}

// Rejects any modal dialog a key opened (other than the one under test), as the user would.
class ModalCloser : public QObject {
  public:
    explicit ModalCloser(QWidget* keep = nullptr) : keep_(keep) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto* popup = QApplication::activePopupWidget())
                popup->close();
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (modal && modal != keep_)
                modal->reject();
        });
        timer_.start(0);
    }

  private:
    QPointer<QWidget> keep_;
    QTimer timer_;
};

inline void bringBack(const Field& f) {
    if (auto* popup = QApplication::activePopupWidget())
        popup->close();
    if (!f.window->isVisible() || !f.window->isActiveWindow()) {
        f.window->show();
        QApplication::setActiveWindow(f.window);
        (void)QTest::qWaitForWindowActive(f.window, 1000);
    }
}

// Every key with every modifier, each from a freshly entered field.
inline QStringList runKeyTable(const Field& f) {
    QStringList faults;
    for (Qt::KeyboardModifiers mods : Modifiers) {
        for (const PcKey& k : pcKeyboard()) {
            bringBack(f);
            f.focus->clearFocus();
            if (f.prepare)
                f.prepare();
            f.focus->setFocus(Qt::MouseFocusReason);
            const QString before = f.text();
            pressKey(f.window, k, mods);
            const QString after = f.text();
            // What it showed, a part of it (a deleting key), or admitted characters only.
            if (!before.contains(after) && !onlyAdmitted(f, after))
                faults << QString("%1: key %2 mods %3: \"%4\" -> \"%5\"")
                              .arg(f.name, QString::number(k.key, 16),
                                   QString::number(int(mods), 16), before, after);
        }
    }
    return faults;
}

inline unsigned seed() {
    if (const char* fixed = std::getenv("PECUNEX_STORM_SEED"))
        return static_cast<unsigned>(std::strtoul(fixed, nullptr, 10));
    return std::random_device{}();
}

struct Plan {
    int events = 5000;
    int burst = 25;                  // invariants are checked after every burst
    std::vector<QWidget*> clickable; // buttons, lists and grids a random click may hit
    int clickOneIn = 12;             // about one event in this many is a click
    int switchOneIn = 16;            // about one event in this many moves to another field
    // The worksheet's own rules; a non-empty text is a fault.
    std::function<QString()> invariants = [] { return QString(); };
};

// Runs the storm; returns the first fault, naming the seed and the event, or "" when none.
inline QString run(const QString& what, const std::vector<Field>& fields, const Plan& plan,
                   unsigned seed) {
    qInfo("%s key storm: %d events, seed %u", qPrintable(what), plan.events, seed);
    std::mt19937 random(seed);
    const std::vector<PcKey>& keys = pcKeyboard();
    const Field* current = nullptr;
    auto fault = [&](int event, const QString& text) {
        return QString("%1 storm, seed %2 (PECUNEX_STORM_SEED=%2 replays it), event %3: %4")
            .arg(what, QString::number(seed), QString::number(event), text);
    };
    for (int i = 0; i < plan.events; ++i) {
        if (current == nullptr || random() % unsigned(plan.switchOneIn) == 0)
            current = &fields[random() % fields.size()];
        bringBack(*current);
        if (!plan.clickable.empty() && random() % unsigned(plan.clickOneIn) == 0) {
            QWidget* target = plan.clickable[random() % plan.clickable.size()];
            if (target->isVisible() && target->isEnabled())
                QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        } else {
            if (!current->focus->hasFocus())
                current->focus->setFocus(Qt::MouseFocusReason);
            const PcKey& k = keys[random() % keys.size()];
            pressKey(current->window, k, Modifiers[random() % 4]);
        }
        if (const QString now = current->text(); !onlyAdmitted(*current, now))
            return fault(i, QString("%1 holds \"%2\"").arg(current->name, now));
        if ((i + 1) % plan.burst == 0 || i + 1 == plan.events)
            if (const QString broken = plan.invariants(); !broken.isEmpty())
                return fault(i, broken);
    }
    return {};
}

} // namespace storm
