#pragma once
// A worksheet driven by a script of user steps and checks, "; " between them, so that one
// table row of a window test tells one story.
// Steps: Alt+X (an accelerator); <Key> (a key to the focus: <Return>, <Del>, <Down>, ...);
//   keys:text (typed into the focus); click:Name; focus:Name (as a click gives it);
//   Name:text (click into a field, type, Tab); Name[r,c]:text (click a grid cell, type);
//   Name<entry (a list entry picked with the arrow keys); answers:6,0 (yes/no answers
//   queued; likewise records, files, headers, values; $DIR is the program folder);
//   symbol:EU; font:1; @name:text (a file written into the program folder); disk full.
// Checks: probe=text, or probe~text for "contains" (golden:NAME reads tests/golden/NAME).
//   Probes: a control's text; Name[r] (a grid row, "|" between cells), Name.rows; Name.shown,
//   .enabled, .red, .entry, .record, .result (1 or 0: shown, painted so); msgs (message
//   codes); calls ("kind code" of every dialog); focus; beeps; menu (times shown); graphs
//   (graphs requested), graph (the last one's bars and title); detail
//   (message detail); caption; file; printed; doc (the last printout); @name (a file's
//   bytes); dir; and the worksheet's own. Under a locale, the figures of control texts and
//   printouts are expected in the locale's signs.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <functional>
#include <optional>

#include "Colours.h"
#include "FailingSaves.h"
#include "Grid.h"
#include "KeyStorm.h"
#include "LocaleCases.h"
#include "Platform.h"
#include "TestWorkspace.h"
#include "WorksheetPage.h"

class WorksheetScript {
  public:
    WorksheetScript(TestWorkspace& ws, QWidget* window) : ws_(ws), window_(window) {
        platform::setBeepHook([this] { ++beeps_; });
    }
    ~WorksheetScript() { platform::setBeepHook({}); }

    std::function<QString(const QString&)> probe; // the worksheet's probes; null: not one
    std::function<bool(const QString&, const QString&)> step; // its "name:value" steps
    std::optional<QLocale> locale;

    // The first check that fails, or "" when all hold.
    QString run(const QString& script) {
        const QStringList steps = script.split("; ");
        for (int i = 0; i < steps.size(); ++i)
            if (const QString fault = perform(steps[i]); !fault.isEmpty())
                return QString("step %1 \"%2\": %3").arg(i + 1).arg(steps[i], fault);
        return {};
    }
    template <class T = QWidget> T* find(const QString& name) const {
        return window_->findChild<T*>(name);
    }
    // A probe's text, as a check compares it.
    QString text(const QString& probe) const {
        bool figures = false;
        return value(probe, figures);
    }

  private:
    static QStringList parts(const char* pattern, const QString& text) {
        return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
            .match(text)
            .capturedTexts();
    }
    static QWidget* focus() { return QApplication::focusWidget(); }
    WorksheetPage* page() const {
        auto* own = qobject_cast<WorksheetPage*>(window_);
        return own ? own : window_->findChild<WorksheetPage*>();
    }
    QString path(const QString& name) const { return QDir(ws_.folder.path()).filePath(name); }

    QString perform(const QString& s) {
        if (const QStringList c = parts("^([\\w@.\\[\\]]+)([=~])(.*)$", s); !c.isEmpty())
            return check(c[1], c[2] == "~", c[3]);
        if (s.startsWith("Alt+")) {
            QTest::keyClick(focus() ? focus() : window_, Qt::Key(s[4].unicode()), Qt::AltModifier);
            const auto down = [this] { // an accelerator's button clicks a moment later
                const auto buttons = window_->findChildren<QAbstractButton*>();
                return std::any_of(buttons.begin(), buttons.end(),
                                   [](auto* b) { return b->isDown(); });
            };
            for (int i = 0; i < 200 && down(); ++i)
                QTest::qWait(10);
        } else if (s.startsWith('<') && s.endsWith('>')) {
            QTest::keyClick(focus(), QKeySequence::fromString(s.mid(1, s.size() - 2))[0].key());
        } else if (s == "disk full") {
            full_.emplace(8);
        } else if (const QStringList l = parts("^(\\w+)<(.*)$", s); !l.isEmpty()) {
            auto* box = find<QComboBox>(l[1]);
            box->setFocus(Qt::TabFocusReason);
            const int target = box->findText(l[2], Qt::MatchExactly);
            for (int i = 0; i < 20 && target >= 0 && box->currentIndex() != target; ++i)
                QTest::keyClick(box, box->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
            return box->currentIndex() == target ? "" : "no such entry";
        } else if (const QStringList c = parts("^(\\w+)\\[(\\d+),(\\d+)\\]:(.*)$", s);
                   !c.isEmpty()) {
            Grid* g = find<Grid>(c[1]);
            const QModelIndex at = g->model()->index(c[2].toInt() - 1, c[3].toInt());
            g->setFocus(Qt::MouseFocusReason);
            g->scrollTo(at);
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(at).center());
            QTest::keyClicks(g, c[4]);
        } else if (const QStringList t = parts("^([\\w@.]+):(.*)$", s); !t.isEmpty()) {
            return set(t[1], t[2]);
        } else {
            return "not a step";
        }
        return {};
    }

    QString set(const QString& name, const QString& v) {
        auto& d = ws_.scripted;
        const int queue =
            QStringList{"answers", "records", "files", "headers", "values"}.indexOf(name);
        for (const QString& item : QString(v).replace("$DIR", ws_.folder.path()).split(','))
            if (queue == 0 || queue == 1)
                (queue == 0 ? d.answers : d.recordNumbers).push_back(item.toInt());
            else if (queue > 1)
                (queue == 2   ? d.fileNames
                 : queue == 3 ? d.headers
                              : d.values)
                    .push_back(item.toStdString());
        QWidget* w = find(name == "click" || name == "focus" ? v : name);
        auto* box = qobject_cast<QComboBox*>(w);
        if (queue >= 0 || (step && step(name, v)))
            return {};
        if (name == "keys") {
            QTest::keyClicks(focus(), v);
        } else if (name == "symbol") {
            ws_.shared.CurrencySymbol = v.toStdString();
        } else if (name == "font") {
            ws_.shared.PrinterFontChoice = static_cast<std::int16_t>(v.toInt());
        } else if (name.startsWith('@')) {
            QFile f(path(name.mid(1)));
            if (!f.open(QIODevice::WriteOnly) || f.write(v.toUtf8()) != v.toUtf8().size())
                return "cannot write the file";
        } else if (!w) {
            return "not a step";
        } else if (name == "click") {
            QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
        } else if (box && box->lineEdit() && name != "focus") { // a list's box takes a real click
            QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
        } else {
            w->setFocus(Qt::MouseFocusReason);
        }
        if (w && name != "click" && name != "focus") {
            QTest::keyClicks(focus(), v);
            QTest::keyClick(focus(), Qt::Key_Tab);
        }
        return {};
    }

    QString check(const QString& name, bool contains, QString expected) {
        if (expected.startsWith("golden:")) {
            QFile f(QStringLiteral(PECUNEX_SOURCE_DIR "/tests/golden/") + expected.mid(7));
            expected = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : "?";
        }
        bool figures = false;
        const QString got = value(name, figures);
        if (figures && locale)
            expected = locales::figuresInLocale(*locale, expected);
        return (contains ? got.contains(expected) : got == expected) ? "" : "got \"" + got + "\"";
    }

    QString value(const QString& name, bool& figures) const {
        QStringList codes, calls;
        for (const auto& c : ws_.scripted.calls) {
            calls << QString::fromStdString(c.kind) + " " + QString::number(c.code);
            if (c.kind == "message")
                codes << QString::number(c.code);
        }
        QFile file(path(name.mid(1)));
        const auto& docs = ws_.capture.documents;
        QWidget* f = focus();
        const QMap<QString, QString> probes = {
            {"msgs", codes.join(',')},
            {"calls", calls.join(',')},
            {"dir", QDir(ws_.folder.path()).entryList(QDir::Files).join(',')},
            {"focus", !f                          ? ""
                      : f->objectName().isEmpty() ? f->parent()->objectName()
                                                  : f->objectName()},
            {"beeps", QString::number(beeps_)},
            {"menu", QString::number(ws_.menuShown)},
            {"graphs", QString::number(ws_.graphs.size())},
            {"graph", ws_.graphs.empty() ? QString()
                                         : QString::number(ws_.graphs.back().bars) + ' ' +
                                               QString::fromStdString(ws_.graphs.back().title)},
            {"detail", QString::fromStdString(ws_.shared.MessageDetail)},
            {"caption", ws_.caption},
            {"file", QString::fromStdString(page() ? page()->fileName() : "")},
            {"printed", QString::number(docs.size())},
        };
        if (const QString own = probe ? probe(name) : QString(); !own.isNull())
            return own;
        if (probes.contains(name))
            return probes[name];
        if (name.startsWith('@'))
            return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : "(no file)";
        figures = true;
        return name == "doc" ? (docs.empty() ? "" : QString::fromStdString(docs.back()))
                             : control(name);
    }

    QString control(const QString& name) const {
        const QStringList row = parts("^(\\w+)\\[(\\d+)\\]$", name);
        const QStringList p = parts("^(\\w+)\\.(\\w+)$", name);
        QWidget* w = find(!row.isEmpty() ? row[1] : !p.isEmpty() ? p[1] : name);
        if (!w)
            return "(no control)";
        const QPalette pal = w->palette();
        const QMap<QString, bool> flags = {
            {"shown", w->isVisible()},
            {"enabled", w->isEnabled()},
            {"red", pal.color(QPalette::WindowText) == colours::AlertText},
            {"result", pal.color(QPalette::Window) == colours::ResultBackground},
            {"entry", pal.color(QPalette::Base) == colours::EntryBackground},
            {"record", pal.color(QPalette::Base) == colours::RecordBackground},
        };
        if (!p.isEmpty() && flags.contains(p[2]))
            return flags[p[2]] ? "1" : "0";
        if (auto* g = qobject_cast<Grid*>(w)) {
            QStringList cells;
            for (int i = 0; !row.isEmpty() && i < g->cols(); ++i)
                cells << g->text(row[2].toInt(), i);
            return row.isEmpty() ? QString::number(g->rows()) : cells.join('|');
        }
        if (auto* l = qobject_cast<QLabel*>(w))
            return l->text();
        if (auto* e = qobject_cast<QLineEdit*>(w))
            return e->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            return b->text();
        if (auto* t = qobject_cast<QPlainTextEdit*>(w))
            return t->toPlainText();
        auto* box = qobject_cast<QComboBox*>(w);
        return box ? box->currentText() : "(no text)";
    }

    TestWorkspace& ws_;
    QWidget* window_;
    int beeps_ = 0;
    std::optional<FailingSaves> full_;
};

// A window test's table: the script column, and the locale whose signs a row runs under.
inline void addScriptColumns() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("locale");
}
inline void addScript(const char* name, const QString& script, const QString& locale = {}) {
    QTest::newRow(name) << script << locale;
}
inline void addScriptInEveryLocale(const QString& script) {
    for (const locales::Case& c : locales::Cases)
        addScript(c.name, script, c.locale.name());
}

// Runs the row's script on a fresh Sheet (which has a `script` member).
template <class Sheet> void runScript() {
    QFETCH(QString, script);
    QFETCH(QString, locale);
    std::optional<locales::Scope> scope;
    if (!locale.isEmpty())
        scope.emplace(QLocale(locale));
    Sheet sheet;
    if (!locale.isEmpty())
        sheet.script.locale = QLocale(locale);
    const QString fault = sheet.script.run(script);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

// Storm answers for every dialog: record numbers 0-7, yes and no at random; file names and
// headers cancelled.
inline void queueStormAnswers(ScriptedDialogs& d, unsigned seed) {
    std::mt19937 random(seed ^ 0x5bd1e995u);
    for (int i = 0; i < 40000; ++i) {
        d.recordNumbers.push_back(static_cast<int>(random() % 8));
        d.answers.push_back(random() % 2 ? 6 : 0);
        d.fileNames.push_back("");
        d.headers.push_back("1");
        d.values.push_back("");
    }
}
