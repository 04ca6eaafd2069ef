#pragma once
// MDIContainer: the program's one top-level window. It holds the main menu and the open
// worksheet as children of a multiple-document area, keeps the layout class in step with
// its height and places its children when they are activated.
#include <QMainWindow>
#include <QPointer>
#include <string>

#include "WorksheetRow.h"
#include "Workspace.h"

class MainMenu;
class QMdiArea;
class QMdiSubWindow;

class MdiContainer : public QMainWindow, public Workspace {
    Q_OBJECT
  public:
    using WorksheetFactory = WorksheetRow::Factory;

    // The menu offers the worksheets of the table, and the container opens them.
    explicit MdiContainer(ShellState& state, WorksheetTable worksheets = {},
                          QWidget* parent = nullptr);
    ~MdiContainer() override;

    // The dialog service and the printers the worksheets use; set before the first use.
    void setDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
    void setPrinters(PrinterProvider* printers) { printers_ = printers; }
    // How the graph window is made. Without one, "Show Graph" opens nothing.
    void registerGraphWindow(GraphWindowFactory factory) { graphFactory_ = std::move(factory); }

    // Opens the worksheet of that id as the menu does: sets what choosing it sets, hides the
    // menu, makes the worksheet, shows it.
    void openWorksheet(const std::string& id);
    // Shows the Personalize dialog or the About box modally over the hidden menu.
    void runPersonalize();
    void runAbout();
    // Ends the program at once, without asking anything.
    void exitProgram();

    MainMenu* menu() const { return menu_; }
    QMdiArea* area() const { return area_; }
    // The open worksheet (its own widget), or nullptr.
    QWidget* worksheet() const;
    // The open graph window, or nullptr.
    QWidget* graphWindow() const;

    // Workspace
    ShellState& state() override { return state_; }
    Dialogs& dialogs() override;
    PrinterProvider& printers() override;
    QWidget* container() override { return this; }
    void setCaption(const QString& caption) override;
    void showMenu() override;
    void showGraph(const WorksheetGraph& request) override;
    void leaveGraph() override;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void onSubWindowActivated(QMdiSubWindow* window);
    void onWorksheetGone();
    void place(QMdiSubWindow* window);
    // Places the child in front: the active one, else the worksheet, else the menu.
    void placeActive();
    // Gives the window its own size, or less where the area is smaller.
    void fitToArea(QMdiSubWindow* window, QSize own);
    void revealMenu();
    // Opens `content` as the worksheet or graph window `slot`.
    void openScrolled(QPointer<QMdiSubWindow>& slot, QWidget* content);
    void showActive(QMdiSubWindow* window);

    ShellState& state_;
    Dialogs* dialogs_ = nullptr;
    PrinterProvider* printers_ = nullptr;
    QMdiArea* area_ = nullptr;
    MainMenu* menu_ = nullptr;
    QMdiSubWindow* menuWindow_ = nullptr;
    QPointer<QMdiSubWindow> sheetWindow_;
    QPointer<QMdiSubWindow> graphWindow_;
    QPointer<QWidget> sheetFocus_; // where the focus was when the graph window opened
    GraphWindowFactory graphFactory_;
    WorksheetTable worksheets_;
    bool closing_ = false;
    bool exiting_ = false;
};
