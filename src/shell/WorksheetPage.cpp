#include "WorksheetPage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "CommandButton.h"
#include "ControlNames.h"
#include "FileCommands.h"
#include "MainMenu.h"
#include "Messages.h"
#include "Platform.h"
#include "PrintJob.h"
#include "QtText.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "TypedKey.h"
#include "WorksheetFrame.h"
#include "Workspace.h"

namespace {
// Hands the quick help's events to its page.
class HelpEvents : public QObject {
  public:
    HelpEvents(QObject* parent, std::function<bool(QEvent*)> handle)
        : QObject(parent), handle_(std::move(handle)) {}
    bool eventFilter(QObject*, QEvent* event) override { return handle_(event); }

  private:
    std::function<bool(QEvent*)> handle_;
};
} // namespace

WorksheetPage::WorksheetPage(Workspace& workspace, WorksheetSpec page, QWidget* parent)
    : QWidget(parent), workspace_(workspace), state_(workspace.state()),
      seps_(platform::systemSeparators()), file_(workspace, page.file), page_(std::move(page)) {
    setObjectName(QString::fromLatin1(page_.objectName));
    for (const CommandSpec& c : page_.commands)
        if (c.standard == cmd::Help && !page_.quickHelp.toggle)
            page_.quickHelp.toggle = c.objectName;
    QFont compact = font();
    compact.setPointSizeF(8);
    setFont(compact);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f1, &QShortcut::activated, this, [this] { openUserGuide(state_); });
}

WorksheetPage::~WorksheetPage() {
    // The help box lives on while the widget underneath the page is taken down, and gets
    // events then (the window losing the focus): they must not reach a page that is gone.
    delete helpEvents_;
}

void WorksheetPage::makeCommands() {
    static const char* const captions[] = {"To &Printer", "&Show Graph", "S&ave File",
                                           "&Open File",  "Quick &Help", "E&xit to Menu"};
    const std::function<void()> actions[] = {
        [this] { printReport(); }, [this] { showGraph(); },       [this] { saveFile(); },
        [this] { openFile(); },    [this] { toggleQuickHelp(); }, [this] { exitToMenu(); }};
    QWidget* standard[std::size(captions)] = {};
    for (const CommandSpec& c : page_.commands) {
        const bool own = c.standard == cmd::Own;
        QPushButton* button =
            commandButton(this, c.objectName, own ? c.caption : captions[c.standard]);
        connect(button, &QPushButton::clicked, this, own ? c.action : actions[c.standard]);
        if (c.button)
            *c.button = button;
        if (!own)
            standard[c.standard] = button;
    }
    for (QWidget* button : standard)
        if (button)
            tail_.push_back(button);
}

QPlainTextEdit* WorksheetPage::makeQuickHelpBox() {
    const QuickHelpSpec& help = page_.quickHelp;
    helpBox_ = new QPlainTextEdit(this);
    nameControl(helpBox_, QString::fromLatin1(help.accessibleName));
    helpBox_->setObjectName(QString::fromLatin1(help.objectName));
    helpBox_->setReadOnly(true);
    if (help.fit == HelpFit::WidestLine || help.fit == HelpFit::FixedPitch) {
        QFont mono(QStringLiteral("Liberation Mono"));
        mono.setStyleHint(QFont::TypeWriter);
        if (help.fit == HelpFit::FixedPitch)
            mono.setPointSizeF(8);
        helpBox_->setFont(mono);
    } else if (help.fit == HelpFit::FollowsWidth) {
        helpBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }
    helpBox_->hide();
    helpEvents_ = new HelpEvents(helpBox_, [this](QEvent* event) { return helpEvent(event); });
    helpBox_->installEventFilter(helpEvents_);
    return helpBox_;
}

bool WorksheetPage::helpEvent(QEvent* event) {
    const QuickHelpSpec& help = page_.quickHelp;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (help.enterGoesTo && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            if (help.enterCloses)
                closeQuickHelp();
            named(help.enterGoesTo)
                ->setFocus(help.enterCloses ? Qt::TabFocusReason : Qt::OtherFocusReason);
            return true;
        }
        const typed_key::Kind kind = typed_key::classify(static_cast<QKeyEvent*>(event)).kind;
        if (help.keys == HelpKeys::BeepAll ||
            (help.keys == HelpKeys::BeepTyped &&
             (kind == typed_key::Kind::Typed || kind == typed_key::Kind::Enter ||
              kind == typed_key::Kind::Blocked))) {
            platform::beep();
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && help.closesOnFocusLeaving && quickHelpShown()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        clickSpent_ = QApplication::focusWidget() == named(help.toggle) &&
                      (reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason);
        closeQuickHelp();
    }
    return false;
}

QVBoxLayout* WorksheetPage::makePageLayout() {
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 3, 6, 6);
    root->setSpacing(4);
    return root;
}

void WorksheetPage::layOutPage(QLayout* entries, std::initializer_list<QWidget*> own,
                               QWidget* body) {
    QVBoxLayout* root = makePageLayout();
    root->addLayout(entries);

    auto* commands = new QHBoxLayout;
    commands->setSpacing(3);
    for (QWidget* b : own)
        commands->addWidget(b);
    for (QWidget* b : tail_)
        commands->addWidget(b);
    root->addLayout(commands);

    auto* stack = new QGridLayout;
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(body, 0, 0);
    if (helpBox_)
        stack->addWidget(helpBox_, 0, 0);
    root->addLayout(stack, 1);
}

void WorksheetPage::chainTabs(std::vector<QWidget*> chain, bool thenTail) {
    if (thenTail)
        chain.insert(chain.end(), tail_.begin(), tail_.end());
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

QLabel* WorksheetPage::captionAbove(const char* text, QWidget* control) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    nameByCaption(label, control);
    return label;
}

QLabel* WorksheetPage::rowCaption(const QString& text) {
    auto* label = new QLabel(text, this);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QWidget* WorksheetPage::named(const char* objectName) const {
    return objectName ? findChild<QWidget*>(QString::fromLatin1(objectName)) : nullptr;
}

void WorksheetPage::showCaption() {
    showCaption(QString::fromLatin1(page_.caption));
}

void WorksheetPage::showCaption(const QString& caption) {
    workspace_.setCaption(caption);
    setWindowTitle(page_.windowTitle ? QString::fromLatin1(page_.windowTitle) : caption);
}

bool WorksheetPage::quickHelpShown() const {
    return helpBox_ && !helpBox_->isHidden();
}

void WorksheetPage::toggleQuickHelp() {
    const QuickHelpSpec& help = page_.quickHelp;
    if (clickSpent_) {
        clickSpent_ = false;
        return;
    }
    if (quickHelpShown()) {
        closeQuickHelp();
        quickHelpClosed();
        return;
    }
    helpBox_->setPlainText(joinedLines(help.lines(state_)));
    if (auto* toggle = qobject_cast<QPushButton*>(named(help.toggle)))
        toggle->setText(QStringLiteral("Close &Help"));
    for (const char* name : help.disables)
        named(name)->setEnabled(false);
    if (QWidget* covered = named(help.covers))
        covered->hide();
    helpBox_->show();
    helpBox_->raise();
    fitHelpFont();
    if (help.focusOnShow)
        helpBox_->setFocus(Qt::OtherFocusReason);
}

void WorksheetPage::closeQuickHelp() {
    if (!quickHelpShown())
        return;
    const QuickHelpSpec& help = page_.quickHelp;
    helpBox_->clear();
    // The focus the help had goes to its toggle, not to whatever follows it.
    if (helpBox_->hasFocus())
        if (QWidget* toggle = named(help.toggle))
            toggle->setFocus(Qt::OtherFocusReason);
    helpBox_->hide();
    if (QWidget* covered = named(help.covers))
        covered->show();
    if (auto* toggle = qobject_cast<QPushButton*>(named(help.toggle)))
        toggle->setText(QStringLiteral("Quick &Help"));
    for (const char* name : help.disables)
        named(name)->setEnabled(true);
}

void WorksheetPage::noteEntryChange() {
    if (page_.quickHelp.closesOnEntryChange)
        closeQuickHelp();
}

void WorksheetPage::fitHelpFont() {
    QFont font = helpBox_->font();
    switch (page_.quickHelp.fit) {
    case HelpFit::Plain:
    case HelpFit::FixedPitch:
        return;
    case HelpFit::WidestLine: {
        const QString widest = helpBox_->document()->firstBlock().text();
        const int room = helpBox_->viewport()->width() -
                         2 * static_cast<int>(helpBox_->document()->documentMargin());
        double points = 9;
        for (; points > 5; points -= 0.25) {
            font.setPointSizeF(points);
            if (QFontMetrics(font).horizontalAdvance(widest) <= room)
                break;
        }
        font.setPointSizeF(points);
        break;
    }
    case HelpFit::FollowsWidth:
        font.setPointSizeF(std::clamp(width() / 90.0, 7.0, 9.0));
        break;
    }
    helpBox_->setFont(font);
}

void WorksheetPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (quickHelpShown())
        fitHelpFont();
}

std::optional<std::string> WorksheetPage::readWhole(const std::string& name) const {
    return readWholeFile(state_.ProgramFolder, name);
}

bool WorksheetPage::print(const std::function<void(Printer&)>& body) {
    return runPrintout(state_, workspace_.dialogs(), workspace_.printers(), body);
}

ReportSettings WorksheetPage::reportSettings() const {
    ReportSettings settings;
    settings.header = state_.HeaderText;
    settings.currencySymbol = state_.CurrencySymbol;
    settings.fontChoice = state_.PrinterFontChoice;
    settings.seps = seps_;
    return settings;
}

bool WorksheetPage::mayLeave() {
    return !unsaved() || file_.askBeforeErasing() != question::Yes;
}

void WorksheetPage::exitToMenu() {
    if (!mayLeave())
        return;
    leave();
    leaving_ = true;
    worksheetFrame(this)->close();
    workspace_.showMenu();
}

void WorksheetPage::closeEvent(QCloseEvent* event) {
    if (!leaving_ && !mayLeave()) {
        event->ignore();
        return;
    }
    leave();
    event->accept();
}
