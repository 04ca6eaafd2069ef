#include "GraphsWindow.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "BusyCursor.h"
#include "Chart2D.h"
#include "Chart3D.h"
#include "CommandButton.h"
#include "Dialogs.h"
#include "Messages.h"
#include "NumberFormat.h"
#include "Platform.h"
#include "PrintJob.h"
#include "Printer.h"
#include "ShellState.h"
#include "SystemLocale.h"
#include "WorksheetFrame.h"
#include "Workspace.h"

namespace {

// The window's size while it is printed, in twips.
constexpr int PrintWidth = 9530;
constexpr int PrintHeight = 5900;
// The least size of the chart: forty year labels still stand upright side by side under
// their bars. A smaller container scrolls the window instead.
constexpr int ChartMinWidth = 8000;
constexpr int ChartMinHeight = 4500;

PrintImage toPrintImage(const QImage& picture) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    PrintImage image;
    image.width = argb.width();
    image.height = argb.height();
    image.pixels.resize(static_cast<std::size_t>(image.width) *
                        static_cast<std::size_t>(image.height));
    for (int y = 0; y < image.height; ++y)
        std::memcpy(image.pixels.data() +
                        static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width),
                    argb.constScanLine(y), static_cast<std::size_t>(image.width) * 4);
    return image;
}

// The chart in words, for a screen reader: per bar its year and figure (each series' figure
// where several stand side by side), then the target.
QString spokenBars(const ChartData& data, const NumberSeparators& seps) {
    const auto money = [&](const std::vector<double>& values, std::size_t i) {
        const double v = i < values.size() ? values[i] : 0;
        return QString::fromStdString(data.currencySymbol + formatNumber(v, "####,,##0.00", seps));
    };
    QStringList bars;
    for (std::size_t i = 0; i < data.labels.size(); ++i) {
        QStringList figures;
        if (data.series.empty())
            figures << money(data.values, i);
        for (const ChartSeries& s : data.series)
            figures << QString::fromStdString(s.name) + QLatin1Char(' ') + money(s.values, i);
        bars << QStringLiteral("Year %1: %2")
                    .arg(QString::fromStdString(data.labels[i]),
                         figures.join(QStringLiteral(", ")));
    }
    if (data.target)
        bars << QStringLiteral("Target: ") + money({*data.target}, 0);
    return bars.join(QStringLiteral("; "));
}

} // namespace

GraphsWindow::GraphsWindow(Workspace& workspace, WorksheetGraph request, QWidget* parent)
    : QWidget(parent), workspace_(workspace), state_(workspace.state()),
      request_(std::move(request)) {
    setObjectName(QStringLiteral("GraphsAll"));
    setWindowTitle(QStringLiteral("Graphs"));
    buildControls();
    draw2D();
}

GraphsWindow::~GraphsWindow() = default;

void GraphsWindow::buildControls() {
    Graph1 = new QStackedWidget(this);
    Graph1->setObjectName(QStringLiteral("Graph1"));
    flat_ = new QChartView(Graph1);
    flat_->setObjectName(QStringLiteral("FlatChart"));
    flat_->setFrameShape(QFrame::NoFrame);
    flat_->setFocusPolicy(Qt::NoFocus);
    deep_ = new Chart3DView(Graph1);
    deep_->setObjectName(QStringLiteral("DeepChart"));
    Graph1->addWidget(flat_);
    Graph1->addWidget(deep_);
    Graph1->setMinimumSize(platform::twipsToPixels(ChartMinWidth),
                           platform::twipsToPixels(ChartMinHeight));

    Label1 = new QLabel(QStringLiteral("Year"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);

    Sav2D = commandButton(this, "Sav2D", "Show Graph in &2D");
    ThreeDee = commandButton(this, "ThreeDee", "Show Graph in &3D");
    Ptr = commandButton(this, "Ptr", "&To Printer");
    ExitBut = commandButton(this, "ExitBut", "E&xit to Menu");
    connect(Sav2D, &QPushButton::clicked, this, &GraphsWindow::draw2D);
    connect(ThreeDee, &QPushButton::clicked, this, &GraphsWindow::draw3D);
    connect(Ptr, &QPushButton::clicked, this, &GraphsWindow::onPrinterClicked);
    connect(ExitBut, &QPushButton::clicked, this, &GraphsWindow::onExitClicked);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Sav2D, ThreeDee, Ptr, ExitBut})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addWidget(Graph1, 1);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    setTabOrder(Sav2D, ThreeDee);
    setTabOrder(ThreeDee, Ptr);
    setTabOrder(Ptr, ExitBut);
}

void GraphsWindow::draw2D() {
    view_ = FlatView;
    ThreeDee->setEnabled(true);
    ThreeDee->setFocus();
    Sav2D->setVisible(true);
    Sav2D->setEnabled(false);
    redraw();
}

void GraphsWindow::draw3D() {
    view_ = DeepView;
    Sav2D->setEnabled(true);
    Sav2D->setFocus();
    ThreeDee->setEnabled(false);
    redraw();
}

void GraphsWindow::redraw() {
    data_ = chartData(request_, state_.CurrencySymbol);
    ChartLook look;
    look.colour = colour_ == 1 || !printing_;
    look.seps = platform::systemSeparators();
    Graph1->setAccessibleName(QString::fromStdString(data_.title));
    Graph1->setAccessibleDescription(spokenBars(data_, look.seps));
    if (view_ == FlatView) {
        QChart* old = flat_->chart();
        // The chart view fills the window's width; it may not have its own size yet.
        flat_->setChart(makeChart2D(data_, look, std::max(width() - 12, 200)));
        delete old;
        Graph1->setCurrentWidget(flat_);
    } else {
        deep_->setChart(data_, look);
        Graph1->setCurrentWidget(deep_);
    }
}

void GraphsWindow::onPrinterClicked() {
    Dialogs& dialogs = workspace_.dialogs();
    if (dialogs.ask(question::ContinuePrintout) != question::Yes)
        return;
    colour_ = dialogs.ask(question::PrintInColour) == question::Yes ? 1 : 0;
    std::unique_ptr<Printer> printer = workspace_.printers().open();
    if (printer) {
        printing_ = true;
        std::optional<BusyCursor> busy(std::in_place);
        // The whole window is printed at its printing size, then put back. Its scroller would
        // fit it straight back to the space shown: it lets go of the size meanwhile.
        QScrollArea* scroller = worksheetScroller(this);
        if (scroller)
            scroller->setWidgetResizable(false);
        const QSize before = size();
        resize(platform::twipsToPixels(PrintWidth), platform::twipsToPixels(PrintHeight));
        redraw();
        const QImage picture = grab().toImage();
        const bool printed = printer->printImage(toPrintImage(picture));
        printer->endDocument();
        resize(before);
        if (scroller)
            scroller->setWidgetResizable(true);
        printing_ = false;
        busy.reset();
        reportUnprinted(dialogs, *printer, printed);
    }
    colour_ = 0;
    redraw();
}

void GraphsWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The flat chart picks its type size and label angle for its width.
    if (view_ == FlatView)
        redraw();
}

void GraphsWindow::onExitClicked() {
    workspace_.leaveGraph();
}
