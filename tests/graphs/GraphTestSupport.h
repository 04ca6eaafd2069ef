#pragma once
// The program's container with the mortgage worksheet and the graph window, scripted
// dialogs (yes/no answers from a queue) and a printer that keeps the pictures it gets.
#include <QImage>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <deque>
#include <memory>

#include "GraphsWindow.h"
#include "MdiContainer.h"
#include "MortgageTables.h"
#include "MortgageWindow.h"
#include "ScriptedDialogs.h"
#include "WorksheetFrame.h"

class GraphDialogs : public ScriptedDialogs {
  public:
    using ScriptedDialogs::ScriptedDialogs;
    std::deque<int> answers; // 6 yes, 0 no
    std::vector<int> questions;
    void yesNo() override {
        questions.push_back(state().QuestionCode);
        if (answers.empty())
            qFatal("GraphDialogs: no answer queued");
        state().QuestionCode = static_cast<std::int16_t>(answers.front());
        answers.pop_front();
    }
};

class PicturePrinters : public PrinterProvider {
  public:
    std::deque<PrintImage> pictures;
    int ended = 0;
    std::unique_ptr<Printer> open() override {
        pictures.emplace_back();
        return std::make_unique<Capture>(pictures.back(), ended);
    }

  private:
    struct Capture : Printer {
        Capture(PrintImage& sink, int& ended) : sink(sink), ended(ended) {}
        bool selectFont(int) override { return true; }
        bool printImage(const PrintImage& image) override {
            sink = image;
            return true;
        }
        void emitLine(std::string_view) override {}
        void emitPageBreak() override {}
        void emitEndDocument() override { ++ended; }
        PrintImage& sink;
        int& ended;
    };
};

inline QImage toQImage(const PrintImage& p) {
    QImage image(p.width, p.height, QImage::Format_ARGB32);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            image.setPixel(
                x, y,
                p.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(p.width) +
                         static_cast<std::size_t>(x)]);
    return image;
}

// Pixels of a picture that are clearly coloured (not a grey).
inline int colouredPixels(const QImage& image, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (QColor(image.pixel(x, y)).hsvSaturation() > 60)
                ++n;
    return n;
}

struct Program {
    Program() {
        state.ProgramFolder = folder.path().toStdString();
        state.TodayDate = "2027-01-15";
        container = std::make_unique<MdiContainer>(state);
        container->setDialogs(&dialogs);
        container->setPrinters(&printers);
        const auto mortgage = [this](Workspace& w) -> QWidget* {
            return new MortgageWindow(w, tables);
        };
        container->registerWorksheet(Worksheet::Mortgage, mortgage);
        container->registerWorksheet(Worksheet::Loan, mortgage);
        container->registerGraphWindow(
            [](Workspace& w) -> QWidget* { return new GraphsWindow(w); });
        container->show();
        QApplication::setActiveWindow(container.get());
        if (!QTest::qWaitForWindowActive(container.get()))
            qWarning("the container did not become active");
    }
    QWidget* sheet() const { return container->worksheet(); }
    bool sheetShown() const { return sheet() && worksheetFrame(sheet())->isVisible(); }
    GraphsWindow* graph() const { return qobject_cast<GraphsWindow*>(container->graphWindow()); }
    template <class T = QWidget> T* inSheet(const char* name) const {
        return sheet()->findChild<T*>(name);
    }
    template <class T = QWidget> T* inGraph(const char* name) const {
        return graph()->findChild<T*>(name);
    }

    QTemporaryDir folder;
    ShellState state;
    MortgageTables tables;
    GraphDialogs dialogs{state};
    PicturePrinters printers;
    std::unique_ptr<MdiContainer> container;
};
