#pragma once
// A worksheet inside the container sits in a scroller inside a sub-window frame; on its own
// (in tests, or before the container takes it) it is its own window. These helpers find the
// pieces without the worksheet knowing which case it is in.
class QScrollArea;
class QWidget;

// The sub-window frame holding the worksheet, or the worksheet itself when it has none.
QWidget* worksheetFrame(QWidget* sheet);
// Puts the worksheet into a scroller: it shows scroll bars only when the space it gets is
// smaller than the worksheet's least size, and scrolls the focused control into view.
QScrollArea* makeWorksheetScroller(QWidget* sheet);
// The worksheet a scroller made by makeWorksheetScroller holds, or `widget` itself.
QWidget* scrolledWorksheet(QWidget* widget);
// The scroller holding the worksheet, or nullptr when it has none.
QScrollArea* worksheetScroller(QWidget* sheet);
