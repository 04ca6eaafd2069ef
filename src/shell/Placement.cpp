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
    // container that has been made taller (maximised on a large screen).
    struct Row {
        TwipsPoint small;
        TwipsPoint large;
    };
    const auto row = [what]() -> Row {
        switch (what) {
        case Placement::MainMenu:
            return {{-25, -15}, {1200, 1000}};
        case Placement::Worksheet:
            return {{-60, -30}, {1200, 1000}};
        case Placement::Personalize:
            return {{3060, 700}, {4000, 2000}};
        case Placement::About:
            return {{2400, 1100}, {3600, 2200}};
        case Placement::PrinterHeader:
            return {{3400, 3000}, {4500, 4000}};
        case Placement::YesNo:
            return {{3500, 2000}, {4500, 3000}};
        case Placement::Message:
            return {{3600, 2000}, {4650, 3000}};
        case Placement::ValueInput:
            return {{3340, 3450}, {4400, 4490}};
        case Placement::RecordFirstGrid:
            return {{550, 4800}, {1630, 5860}};
        case Placement::RecordSecondGrid:
            return {{7000, 4800}, {8050, 5860}};
        case Placement::DaysInYear:
            return {{3200, 1700}, {4300, 2700}};
        case Placement::FirstPaymentDate:
            return {{4000, 2400}, {5000, 3400}};
        case Placement::AdditionalPayments:
            return {{4300, 630}, {5300, 1650}};
        }
        return {{0, 0}, {0, 0}};
    }();
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
