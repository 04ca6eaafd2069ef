#pragma once
// Dialogs for window tests: records every call with the code it was made for and answers
// headers, file names, yes/no questions, record numbers and values from queues. A dialog without a
// queued answer aborts the test program.
#include <QtGlobal>
#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "Dialogs.h"
#include "FileCommands.h"
#include "FileDirectory.h"
#include "Messages.h"
#include "Printer.h"
#include "ShellState.h"
#include "TextPrinter.h"

class ScriptedDialogs : public Dialogs {
  public:
    struct Call {
        Call(std::string kind, int code, std::string text = {})
            : kind(std::move(kind)), code(code), text(std::move(text)) {}
        std::string kind; // message, printerHeader, fileDirectory, yesNo, recordNumber, valueInput
        int code; // MessageCode, 0, FileDialogMode, QuestionCode, RecordDialogSide, ContextCode
        std::string text; // the question asked, the file name offered
        bool operator==(const Call& o) const { return kind == o.kind && code == o.code; }
    };
    explicit ScriptedDialogs(ShellState& s) : Dialogs(s) {}

    std::vector<Call> calls;
    std::deque<std::string> headers;   // "1" = cancel
    std::deque<std::string> fileNames; // "" = cancel; "=NAME": Enter on the name offered, else NAME
                                       // ("A|B": both, where several may be picked)
    std::deque<int> answers;           // yes/no: 6 yes, 0 no
    std::deque<int> recordNumbers;     // 0 = cancel
    std::deque<std::string> values;    // value dialog answers; "" = cancel

    std::vector<int> messages() const {
        std::vector<int> codes;
        for (const auto& c : calls)
            if (c.kind == "message")
                codes.push_back(c.code);
        return codes;
    }
    void message() override { calls.push_back({"message", state().MessageCode}); }
    void yesNo() override {
        const ShellState& s = state();
        calls.push_back({"yesNo", s.QuestionCode,
                         questionText(s.QuestionCode, s.CurrentFileName, s.MessageDetail)});
        state().QuestionCode = static_cast<std::int16_t>(take(answers, "yes/no"));
    }
    void recordNumber() override {
        calls.push_back({"recordNumber", state().RecordDialogSide});
        state().RecordNumber = static_cast<std::int16_t>(take(recordNumbers, "record number"));
        state().RecordDialogSide = 0;
        state().SelectedRow = 0;
    }
    void valueInput() override {
        calls.push_back({"valueInput", state().ContextCode});
        state().ValueAnswer = take(values, "value");
        state().SelectedRow = 0;
    }
    void printerHeader() override {
        calls.push_back({"printerHeader", 0});
        state().HeaderText = take(headers, "printout header");
    }
    void fileDirectory() override {
        const int mode = state().FileDialogMode;
        const std::string offered = filedir::offeredName(state());
        calls.push_back({"fileDirectory", mode, offered});
        if (!filedir::kindAsked(state()))
            return;
        std::string answer = take(fileNames, "file name");
        if (answer.starts_with('='))
            answer = offered.empty() ? answer.substr(1) : offered;
        state().ChosenFileName = answer;
        if (state().ChosenFileName.empty())
            state().FileDialogMode = 9;
        // A dialog for several files: "A|B" picks both.
        state().ChosenFileNames.clear();
        for (std::size_t from = 0; state().FileDialogSeveral && !answer.empty();) {
            const std::size_t bar = std::min(answer.find('|', from), answer.size());
            state().ChosenFileNames.push_back(answer.substr(from, bar - from));
            if (bar == answer.size())
                break;
            from = bar + 1;
        }
        if (!state().ChosenFileNames.empty())
            state().ChosenFileName = state().ChosenFileNames.front();
    }

  private:
    template <class T> static T take(std::deque<T>& queue, const char* what) {
        if (queue.empty())
            qFatal("ScriptedDialogs: no %s answer queued", what);
        T v = queue.front();
        queue.pop_front();
        return v;
    }
};

// Printer provider that keeps the text of every printout it handed out.
class CapturingPrinters : public PrinterProvider {
  public:
    std::deque<std::string> documents; // one per printout, complete after the printer is gone
    bool cancel = false;               // true: behave as if the user cancelled the PDF name

    std::unique_ptr<Printer> open() override {
        if (cancel)
            return nullptr;
        documents.emplace_back();
        return std::make_unique<Capture>(documents.back());
    }

  private:
    struct Capture : TextPrinter {
        explicit Capture(std::string& sink) : sink(sink) {}
        ~Capture() override { sink = text(); }
        std::string& sink;
    };
};
