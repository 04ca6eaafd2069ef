#pragma once
// Printer that renders the print model as text: every line followed by "\n" with trailing
// blanks removed, a form feed "\f" immediately before the first line of each new page.
// This is the text the tests compare and pecunex-report writes to stdout.
#include <string>

#include "Printer.h"

class TextPrinter : public Printer {
  public:
    bool selectFont(int) override { return true; }
    // Room for that many full 80-column lines more.
    void expectLines(int lines) override;
    const std::string& text() const { return out_; }

  protected:
    void emitLine(std::string_view line) override;
    void emitPageBreak() override { formFeedPending_ = true; }
    void emitEndDocument() override {}

  private:
    std::string out_;
    bool formFeedPending_ = false;
};
