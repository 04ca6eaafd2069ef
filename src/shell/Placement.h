#pragma once
// Where every window and dialog goes, by the container window's layout class.
class QWidget;

enum class Placement {
    MainMenu,
    Worksheet,
    Personalize,
    About,
    PrinterHeader,
    YesNo,
    Message,
    ValueInput,
    RecordFirstGrid,
    RecordSecondGrid,
    DaysInYear,
    FirstPaymentDate,
    AdditionalPayments,
};

struct TwipsPoint {
    int left;
    int top;
    friend bool operator==(TwipsPoint, TwipsPoint) = default;
};

constexpr int SmallLayout = 6810;
constexpr int LargeLayout = 8670;

// 8670 when the container is taller than 8500 twips, else 6810.
int layoutClassForHeight(int heightTwips);
// Position of a child window (inside the container) or offset of a dialog (from the
// container's top-left corner on the screen), in twips.
TwipsPoint placementOffset(Placement what, int layoutClass);
// Moves a child window of the container to its place.
void placeChild(QWidget* child, Placement what, int layoutClass);
// Gives a dialog its frame: a title and a close button, never a maximise or minimise button.
// Call before the dialog is first shown.
void setDialogFrame(QWidget* dialog);
// Moves a dialog relative to the container window's screen position.
void placeDialog(QWidget* dialog, const QWidget* container, Placement what, int layoutClass);
