#pragma once
// GraphsAll: the graph window. Draws the graph a worksheet requested as a flat or a
// three-dimensional bar chart, prints it, and goes back to that worksheet.
#include <QWidget>

#include "GraphSeries.h"

class Chart3DView;
class QChartView;
class QLabel;
class QPushButton;
class QStackedWidget;
class Workspace;
struct ShellState;

class GraphsWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int FlatView = 3;
    static constexpr int DeepView = 5;

    GraphsWindow(Workspace& workspace, WorksheetGraph request, QWidget* parent = nullptr);
    ~GraphsWindow() override;

    int viewCode() const { return view_; }
    bool printingInColour() const { return colour_ == 1; }
    // The figures on screen.
    const ChartData& chart() const { return data_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void draw2D();
    void draw3D();
    // Redraws the request in the current view.
    void redraw();
    void onPrinterClicked();
    void onExitClicked();

    Workspace& workspace_;
    ShellState& state_;
    const WorksheetGraph request_;
    ChartData data_;
    int view_ = FlatView;
    int colour_ = 0;        // 1 while printing in colour
    bool printing_ = false; // the chart on screen is the one being printed

    QStackedWidget* Graph1 = nullptr;
    QChartView* flat_ = nullptr;
    Chart3DView* deep_ = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Sav2D = nullptr;
    QPushButton* ThreeDee = nullptr;
    QPushButton* Ptr = nullptr;
    QPushButton* ExitBut = nullptr;
};
