#pragma once
// The print model drawn on a QPrinter (system printer or PDF) in a fixed-pitch font: each
// line in one draw, every character on its cell of the character grid, so columns line up
// exactly as in the text output, and each page of the printout on one sheet (printGrid).
#include <memory>

#include <QString>

#include "Paper.h"
#include "Printer.h"

class QGuiApplication;
class QPrinter;
class QTemporaryFile;
class QWidget;

class QtPrinter : public Printer {
  public:
    explicit QtPrinter(std::unique_ptr<QPrinter> printer);
    ~QtPrinter() override;
    // A printer writing a PDF file on `paper`.
    static std::unique_ptr<QtPrinter> toPdf(const QString& fileName, Paper paper = Paper::Letter);

    bool selectFont(int fontChoice) override;
    // The document could not be started or finished.
    bool failed() const override;
    bool printImage(const PrintImage& image) override;

  protected:
    void emitLine(std::string_view line) override;
    void emitPageBreak() override;
    void emitEndDocument() override;

  private:
    struct Impl;
    explicit QtPrinter(std::unique_ptr<Impl> d);
    std::unique_ptr<Impl> d_;
};

// The system's default printer when one is installed, with its own paper; otherwise asks for
// a PDF file name (".pdf" added when none was typed) and writes it on the system's paper,
// text through PdfPrinter, pictures through Qt's writer. nullptr when the user cancels.
class QtPrinterProvider : public PrinterProvider {
  public:
    // The PDF name is asked in `startFolder`, or in the documents folder when it is "".
    explicit QtPrinterProvider(QWidget* dialogParent, QString startFolder = {});
    std::unique_ptr<Printer> open() override;

  private:
    QWidget* parent_;
    QString startFolder_;
};

// The application object a printout to PDF needs in a program that has none yet: a
// QGuiApplication on the offscreen platform (no screen, no widgets) that knows the printout
// font alone (when its file is found): characters that font lacks have no other font to fall
// back on there. Does nothing when an application object already exists.
class PdfApplication {
  public:
    PdfApplication(int& argc, char** argv);
    ~PdfApplication();
    PdfApplication(const PdfApplication&) = delete;
    PdfApplication& operator=(const PdfApplication&) = delete;

  private:
    std::unique_ptr<QTemporaryFile> fontConfig_; // read when the first font is needed
    std::unique_ptr<QGuiApplication> app_;
};
