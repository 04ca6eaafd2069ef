#pragma once
// What every worksheet window does alike: its name and caption, the 8-point type, F1 for the
// guide, the command buttons, the quick help laid over the worksheet, the print road, the
// report settings and "E&xit to Menu". A worksheet derives from the page and writes only its
// entries, its grid and its actions.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "BusyCursor.h"
#include "DocumentFile.h"
#include "NumberFormat.h"
#include "ReportFrame.h"

class Printer;
class QLabel;
class QLayout;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;
class Workspace;
struct ShellState;

// The commands most worksheets have. The page does each through its function of that name;
// those a page has end its command row in this order.
namespace cmd {
enum Standard { Own = -1, Print, Graph, Save, Open, Help, Exit };
} // namespace cmd

// A command button: its object name, its caption with its "&", and what it does: the
// worksheet's own action, whose button the worksheet's pointer receives, or a standard
// command under its usual caption.
struct CommandSpec {
    CommandSpec(const char* name, const char* text, std::function<void()> act,
                QPushButton** into = nullptr)
        : objectName(name), caption(text), action(std::move(act)), button(into) {}
    CommandSpec(const char* name, cmd::Standard which) : objectName(name), standard(which) {}

    const char* objectName;
    const char* caption = nullptr;
    std::function<void()> action{};
    QPushButton** button = nullptr;
    cmd::Standard standard = cmd::Own;
};

// How the quick help's type fits the box.
enum class HelpFit {
    Plain,        // the worksheet's own type, lines as written
    FixedPitch,   // fixed pitch at 8 points, lines as written
    WidestLine,   // fixed pitch; the widest line fills the box, at most 9 points
    FollowsWidth, // the lines wrap; the type follows the worksheet's width, 7 to 9 points
};

// What a key pressed in the quick help does.
enum class HelpKeys {
    Read,      // the box's own keys (Enter: see enterGoesTo)
    BeepAll,   // every key beeps and goes nowhere
    BeepTyped, // a typed key, Enter or a blocked key beeps; Tab and the arrows still move
};

// The quick help's variant. The widgets are named by object name: the help covers one of
// them, disables the buttons named while it is shown, and Enter in it moves to a field.
struct QuickHelpSpec {
    const char* objectName = nullptr;
    const char* accessibleName = "Quick Help";
    std::function<std::vector<std::string>(const ShellState&)> lines{};
    HelpFit fit = HelpFit::Plain;
    const char* toggle = nullptr; // the button that opens and closes it: the Help command's
    const char* covers = nullptr; // hidden while the help shows
    std::vector<const char*> disables{};
    const char* enterGoesTo = nullptr;
    bool enterCloses = false; // Enter closes the help on its way to enterGoesTo
    bool closesOnEntryChange = false;
    HelpKeys keys = HelpKeys::Read;
    // The focus leaving the help closes it; the click on the toggle that took the focus
    // away is then spent, it does not open the help again.
    bool closesOnFocusLeaving = false;
    bool focusOnShow = true;
};

struct WorksheetSpec {
    const char* objectName;
    const char* caption;
    std::vector<CommandSpec> commands;
    QuickHelpSpec quickHelp;
    DocumentKind file{};               // the kind of file the worksheet opens and saves
    const char* windowTitle = nullptr; // the page's own title where it is not the caption
};

class WorksheetPage : public QWidget {
    Q_OBJECT
  public:
    WorksheetPage(Workspace& workspace, WorksheetSpec page, QWidget* parent = nullptr);
    ~WorksheetPage() override;

    // The bare name of the worksheet's file in memory; "" when it has none.
    const std::string& fileName() const { return file_.name(); }

  protected:
    // The command buttons, in the order of the table.
    void makeCommands();
    QPlainTextEdit* makeQuickHelpBox();
    // The standard commands' buttons the page has, in their order.
    const std::vector<QWidget*>& tail() const { return tail_; }
    // The page's control of that object name.
    QWidget* named(const char* objectName) const;
    // The page's layout: the entries on top, the command buttons in a row (the page's own,
    // then the standard ones), the body below with the quick help laid over it.
    void layOutPage(QLayout* entries, std::initializer_list<QWidget*> own, QWidget* body);
    // The page's own top-to-bottom layout, with the house's margins and spacing, for a page
    // that lays itself out.
    QVBoxLayout* makePageLayout();
    // Tab goes through `chain` in order, then through the standard commands where asked.
    void chainTabs(std::vector<QWidget*> chain, bool thenTail = false);
    // A caption above its control, naming the control for screen readers.
    QLabel* captionAbove(const char* text, QWidget* control);
    // A row's caption, wrapped where it is long.
    QLabel* rowCaption(const QString& text);
    // The worksheet's caption, on the container and on the page.
    void showCaption();
    void showCaption(const QString& caption); // a caption that changes with the worksheet's mode

    bool quickHelpShown() const;
    void toggleQuickHelp();
    void closeQuickHelp();
    // A change of entry closes the help where the worksheet has it so.
    void noteEntryChange();
    // The user closed the help with its button.
    virtual void quickHelpClosed() {}

    // The standard commands' work, for the pages that have them.
    virtual void printReport() {}
    virtual void showGraph() {}
    virtual void saveFile() {}
    virtual void openFile() {}

    // Reads a file whole under the busy cursor and hands its bytes to `parse`: nothing when
    // the file cannot be read.
    template <class Parse> auto readFile(const std::string& name, Parse parse) {
        std::optional<decltype(parse(std::string()))> read;
        const BusyCursor busy;
        if (const auto text = readWhole(name))
            read = parse(*text);
        return read;
    }
    std::optional<std::string> readWhole(const std::string& name) const;

    // The print road: header, printer or file, the body's lines.
    bool print(const std::function<void(Printer&)>& body);
    // A report's settings from the shared state: header, currency, printer font, separators.
    ReportSettings reportSettings() const;

    // "E&xit to Menu": asks mayLeave(), then leave() and back to the menu.
    void exitToMenu();
    // False keeps the worksheet (the user goes back, for instance to save): entries not
    // saved are asked about before they are erased.
    virtual bool mayLeave();
    virtual bool unsaved() const { return false; }
    // Forgets the worksheet's entries and results.
    virtual void leave() {}

    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    Workspace& workspace_;
    ShellState& state_;
    NumberSeparators seps_;
    DocumentFile file_;

  private:
    void fitHelpFont();
    bool helpEvent(QEvent* event);

    WorksheetSpec page_;
    std::vector<QWidget*> tail_;
    QPlainTextEdit* helpBox_ = nullptr;
    QPointer<QObject> helpEvents_; // hands the help box's events to the page
    bool leaving_ = false;         // Exit to Menu has asked and cleared
    bool clickSpent_ = false;      // the toggle's click that closed the help is spent
};
