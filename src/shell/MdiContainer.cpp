#include "MdiContainer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScrollArea>
#include <algorithm>

#include "AboutBox.h"
#include "FocusReturn.h"
#include "MainMenu.h"
#include "PersonalizeDialog.h"
#include "Placement.h"
#include "Platform.h"
#include "ShellState.h"
#include "WorksheetFrame.h"

namespace {

// The container's opening size, and the size a worksheet gets so that, placed at its
// offset, it covers the whole area of a container of that size.
constexpr int ContainerWidth = 9615;
constexpr int ContainerHeight = 6810;
// The graph window's own size.
constexpr int GraphWidth = 9550;
constexpr int GraphHeight = 6450;

QSize twipsSize(int width, int height) {
    return {platform::twipsToPixels(width), platform::twipsToPixels(height)};
}

// Hides a window at once; it goes when the events under way are done.
void discard(QPointer<QMdiSubWindow>& slot) {
    if (QMdiSubWindow* window = slot) {
        slot = nullptr;
        window->hide();
        window->deleteLater();
    }
}

} // namespace

MdiContainer::MdiContainer(ShellState& state, WorksheetTable worksheets, QWidget* parent)
    : QMainWindow(parent), state_(state), worksheets_(std::move(worksheets)) {
    setObjectName(QStringLiteral("MDIContainer"));
    area_ = new QMdiArea(this);
    area_->setBackground(QColor(0x5d, 0x6d, 0x75));
    area_->setAccessibleName(tr("Pecunex worksheets"));
    setCentralWidget(area_);

    menu_ = new MainMenu(state_, worksheets_);
    menuWindow_ = area_->addSubWindow(menu_, Qt::SubWindow | Qt::FramelessWindowHint);
    menuWindow_->resize(twipsSize(ContainerWidth + 25, ContainerHeight + 15));
    menuWindow_->installEventFilter(this);
    menuWindow_->setAccessibleName(tr("Pecunex Menu"));

    connect(area_, &QMdiArea::subWindowActivated, this, &MdiContainer::onSubWindowActivated);
    connect(menu_, &MainMenu::worksheetRequested, this, &MdiContainer::openWorksheet);
    connect(menu_, &MainMenu::personalizeRequested, this, &MdiContainer::runPersonalize);
    connect(menu_, &MainMenu::aboutRequested, this, &MdiContainer::runAbout);
    connect(menu_, &MainMenu::exitRequested, this, &MdiContainer::exitProgram);

    // The menu's load names the container; the container's load shows the menu and gives
    // the container its opening place and size (which sets the layout class).
    setCaption(QStringLiteral(" Pecunex Menu"));
    revealMenu();
    move(0, 0);
    resize(twipsSize(ContainerWidth, ContainerHeight));
    state_.LayoutClass = layoutClassForHeight(platform::pixelsToTwips(frameGeometry().height()));
}

MdiContainer::~MdiContainer() {
    closing_ = true;
    // The children go after this object: none of their last signals may reach it.
    // That includes frames already left and waiting for their deferred deletion, which no
    // member points to any more.
    area_->disconnect(this);
    menu_->disconnect(this);
    for (QMdiSubWindow* window : area_->findChildren<QMdiSubWindow*>())
        window->disconnect(this);
}

Dialogs& MdiContainer::dialogs() {
    if (!dialogs_)
        qFatal("MdiContainer: no dialog service installed");
    return *dialogs_;
}

PrinterProvider& MdiContainer::printers() {
    if (!printers_)
        qFatal("MdiContainer: no printer provider installed");
    return *printers_;
}

void MdiContainer::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

QWidget* MdiContainer::worksheet() const {
    return sheetWindow_ ? scrolledWorksheet(sheetWindow_->widget()) : nullptr;
}

QWidget* MdiContainer::graphWindow() const {
    return graphWindow_ ? scrolledWorksheet(graphWindow_->widget()) : nullptr;
}

void MdiContainer::openWorksheet(const std::string& id) {
    if (sheetWindow_) {
        area_->setActiveSubWindow(sheetWindow_);
        return;
    }
    const auto row = std::find_if(worksheets_.begin(), worksheets_.end(),
                                  [&](const WorksheetRow& r) { return r.id == id; });
    if (row == worksheets_.end() || !row->make)
        return;
    if (row->chosen)
        row->chosen(state_);
    menuWindow_->hide();
    QWidget* sheet = row->make(*this);
    if (!sheet) {
        revealMenu();
        return;
    }

    openScrolled(sheetWindow_, sheet);
    connect(sheetWindow_.data(), &QObject::destroyed, this, &MdiContainer::onWorksheetGone);
}

void MdiContainer::openScrolled(QPointer<QMdiSubWindow>& slot, QWidget* content) {
    // Worksheets are left by their "E&xit to Menu" button, graphs by theirs, so their frame
    // has no close box. A container made smaller than the window scrolls it rather than cut
    // it off.
    slot = area_->addSubWindow(makeWorksheetScroller(content),
                               Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowMinMaxButtonsHint);
    slot->setAttribute(Qt::WA_DeleteOnClose);
    place(slot); // its size before it shows, so its scroll bars never flash
    showActive(slot);
}

void MdiContainer::showActive(QMdiSubWindow* window) {
    window->show();
    area_->setActiveSubWindow(window);
    place(window);
}

void MdiContainer::showGraph(const WorksheetGraph& request) {
    if (!sheetWindow_ || graphWindow_ || !graphFactory_)
        return;
    QWidget* graph = graphFactory_(*this, request);
    if (!graph)
        return;
    // The worksheet is only hidden: it comes back with everything it showed, the focus
    // on the control that opened the graph.
    sheetFocus_ = sheetWindow_->isAncestorOf(QApplication::focusWidget())
                      ? QApplication::focusWidget()
                      : nullptr;
    sheetWindow_->hide();
    // The frame sees the scroller, not the control the graph window chose to start on: that
    // control takes the focus once the frame is active.
    const QPointer<QWidget> start = graph->focusWidget();
    openScrolled(graphWindow_, graph);
    if (start)
        start->setFocus(Qt::OtherFocusReason);
}

void MdiContainer::leaveGraph() {
    discard(graphWindow_);
    if (sheetWindow_) {
        showActive(sheetWindow_);
        if (sheetFocus_)
            sheetFocus_->setFocus(Qt::OtherFocusReason);
    }
}

void MdiContainer::showMenu() {
    discard(graphWindow_);
    // The worksheet being left is discarded; the next opening starts from its defaults.
    discard(sheetWindow_);
    setCaption(QStringLiteral(" Pecunex Menu"));
    revealMenu();
}

void MdiContainer::revealMenu() {
    menu_->refreshName();
    showActive(menuWindow_);
    menu_->focusOpener();
}

void MdiContainer::onWorksheetGone() {
    if (closing_ || menuWindow_->isVisible())
        return;
    for (QMdiSubWindow* window : area_->subWindowList())
        if (window != menuWindow_ && window->isVisible())
            return;
    sheetWindow_ = nullptr;
    showMenu();
}

void MdiContainer::runPersonalize() {
    const FocusReturn back; // the menu's focus goes back to "Personali&ze Settings"
    menuWindow_->hide();
    {
        PersonalizeDialog dialog(state_, *this);
        connect(&dialog, &PersonalizeDialog::settingsSaved, menu_, &MainMenu::refreshName);
        dialog.exec();
    }
    revealMenu();
}

void MdiContainer::runAbout() {
    const FocusReturn back;
    menuWindow_->hide();
    AboutBox(state_, worksheets_, this).exec(); // gone before the menu comes back
    revealMenu();
}

void MdiContainer::exitProgram() {
    exiting_ = true;
    close();
    QCoreApplication::quit();
}

void MdiContainer::place(QMdiSubWindow* window) {
    if (!window)
        return;
    // The container's least size follows the least sizes of the windows in the area, which
    // tell no layout when they change (the menu's grows once its style is applied): it is
    // worked out again whenever a window takes its place.
    area_->updateGeometry();
    placeChild(window->widget(), window == menuWindow_ ? Placement::MainMenu : Placement::Worksheet,
               state_.LayoutClass);
    if (window == menuWindow_)
        fitToArea(window, twipsSize(ContainerWidth + 25, ContainerHeight + 15));
    else if (window == sheetWindow_)
        fitToArea(window, twipsSize(ContainerWidth + 60, ContainerHeight + 30));
    else if (window == graphWindow_)
        fitToArea(window, twipsSize(GraphWidth, GraphHeight));
}

void MdiContainer::fitToArea(QMdiSubWindow* window, QSize own) {
    if (window->isMaximized() || window->isMinimized())
        return;
    // The window's own size, cut at the area's right and bottom edges so that its scroll
    // bars (when the container is smaller than the window) are in sight; never below the
    // least size of what it holds, which is what the container's own least size follows
    // (the area has no scroll bars).
    const QSize room(area_->viewport()->width() - window->x(),
                     area_->viewport()->height() - window->y());
    window->resize(own.boundedTo(room).expandedTo(window->minimumSizeHint()));
}

void MdiContainer::onSubWindowActivated(QMdiSubWindow* window) {
    place(window);
}

void MdiContainer::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    state_.LayoutClass = layoutClassForHeight(platform::pixelsToTwips(frameGeometry().height()));
    placeActive();
}

void MdiContainer::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Only now are the windows in the area shown, with their style: their least sizes count
    // from here on, and the one in front is fitted to the area it really has.
    placeActive();
}

void MdiContainer::placeActive() {
    // The active child follows the new layout class. The menu goes straight to its own place
    // rather than the worksheets' and then its own at its next activation.
    QMdiSubWindow* active = area_->currentSubWindow();
    if (!active || !active->isVisible())
        active = sheetWindow_ ? sheetWindow_.data() : menuWindow_;
    if (active && active->isVisible())
        place(active);
}

void MdiContainer::closeEvent(QCloseEvent* event) {
    closing_ = true;
    // Closing the container leaves an open worksheet first, which may ask about its data;
    // "E&xit from Program" ends without asking.
    if (!exiting_ && sheetWindow_ && !sheetWindow_->close()) {
        closing_ = false;
        event->ignore();
        return;
    }
    event->accept();
}

void MdiContainer::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        openUserGuide(state_);
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool MdiContainer::eventFilter(QObject* watched, QEvent* event) {
    // The menu lives for the whole run: its frame is never closed on its own.
    if (watched == menuWindow_ && event->type() == QEvent::Close && !closing_) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
