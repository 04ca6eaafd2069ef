#pragma once
// The print model drawn on a QPrinter (system printer or PDF), character cell by character
// cell in a fixed-pitch font, so columns line up exactly as in the text output.
#include <memory>

#include "Printer.h"

class QPrinter;
class QPainter;
class QString;
class QWidget;

class QtPrinter : public Printer {
public:
    explicit QtPrinter(std::unique_ptr<QPrinter> printer);
    ~QtPrinter() override;
    // A printer writing a PDF file.
    static std::unique_ptr<QtPrinter> toPdf(const QString& fileName);

    bool selectFont(int fontChoice) override;
    // The document could not be started or finished.
    bool failed() const;
    bool printImage(const PrintImage& image) override;

protected:
    void emitLine(std::string_view line) override;
    void emitPageBreak() override;
    void emitEndDocument() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

// The system's default printer when one is installed; otherwise asks for a PDF file name
// (".pdf" added when none was typed). nullptr when the user cancels.
class QtPrinterProvider : public PrinterProvider {
public:
    explicit QtPrinterProvider(QWidget* dialogParent) : parent_(dialogParent) {}
    std::unique_ptr<Printer> open() override;

private:
    QWidget* parent_;
};
