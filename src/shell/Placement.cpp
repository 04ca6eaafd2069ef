#include "Placement.h"

#include <QMdiSubWindow>
#include <QPoint>
#include <QWidget>

#include "Platform.h"

int layoutClassForHeight(int heightTwips) {
    return heightTwips > 8500 ? LargeLayout : SmallLayout;
}

TwipsPoint placementOffset(Placement what, int layoutClass) {
    // Every window has one position for the container at its opening size and one for a
    // container that has been made taller (maximised on a large screen), in the order of
    // the Placement values.
    struct Row {
        TwipsPoint small;
        TwipsPoint large;
    };
    static constexpr Row Rows[] = {
        {{-25, -15}, {1200, 1000}},   // MainMenu
        {{-60, -30}, {1200, 1000}},   // Worksheet
        {{3060, 700}, {4000, 2000}},  // Personalize
        {{2400, 1100}, {3600, 2200}}, // About
        {{3400, 3000}, {4500, 4000}}, // PrinterHeader
        {{3500, 2000}, {4500, 3000}}, // YesNo
        {{3600, 2000}, {4650, 3000}}, // Message
        {{3340, 3450}, {4400, 4490}}, // ValueInput
        {{550, 4800}, {1630, 5860}},  // RecordFirstGrid
        {{7000, 4800}, {8050, 5860}}, // RecordSecondGrid
        {{3200, 1700}, {4300, 2700}}, // DaysInYear
        {{4000, 2400}, {5000, 3400}}, // FirstPaymentDate
        {{4300, 630}, {5300, 1650}},  // AdditionalPayments
    };
    static_assert(sizeof Rows / sizeof Rows[0] == int(Placement::AdditionalPayments) + 1);
    const Row& row = Rows[static_cast<int>(what)];
    return layoutClass < 8501 ? row.small : row.large;
}

namespace {
QPoint toPixels(TwipsPoint p) {
    return {platform::twipsToPixels(p.left), platform::twipsToPixels(p.top)};
}
} // namespace

void placeChild(QWidget* child, Placement what, int layoutClass) {
    if (!child)
        return;
    // A worksheet lives inside a sub-window frame: the frame is what moves.
    QWidget* window = child;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(child->parentWidget()))
        window = frame;
    // A maximised or minimised child keeps the place the area gives it.
    if (window->isMaximized() || window->isMinimized())
        return;
    window->move(toPixels(placementOffset(what, layoutClass)));
}

void placeDialog(QWidget* dialog, const QWidget* container, Placement what, int layoutClass) {
    if (!dialog)
        return;
    QPoint origin;
    if (container) {
        // The container's outer top-left corner on the screen (its Left and Top).
        origin = container->isWindow() ? container->frameGeometry().topLeft()
                                       : container->mapToGlobal(QPoint(0, 0));
    }
    dialog->move(origin + toPixels(placementOffset(what, layoutClass)));
}

void setDialogFrame(QWidget* dialog) {
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}
