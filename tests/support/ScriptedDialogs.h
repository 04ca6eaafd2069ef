#pragma once
// Dialogs for window tests: records every call with the code it was made for and answers
// from queues. Running out of queued answers aborts the test program with a message.
#include <QtGlobal>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "Dialogs.h"
#include "Printer.h"
#include "SharedState.h"
#include "TextPrinter.h"

class ScriptedDialogs : public Dialogs {
public:
    struct Call {
        std::string kind;  // message, yesNo, recordNumber, valueInput, printerHeader, fileDirectory
        int code;          // MessageCode, QuestionCode, DeletePrompt, ContextCode, 0, FileDialogMode
        bool operator==(const Call&) const = default;
    };

    explicit ScriptedDialogs(SharedState& s) : Dialogs(s) {}

    std::vector<Call> calls;
    std::deque<int> yesNoAnswers;          // 6 or 0
    std::deque<int> recordNumbers;
    std::deque<std::string> values;
    std::deque<std::string> headers;       // "1" = cancel
    std::deque<std::string> fileNames;     // "" = cancel

    std::vector<int> messages() const {
        std::vector<int> codes;
        for (const auto& c : calls)
            if (c.kind == "message") codes.push_back(c.code);
        return codes;
    }

    void message() override { calls.push_back({"message", state().MessageCode}); }
    void yesNo() override {
        calls.push_back({"yesNo", state().QuestionCode});
        state().QuestionCode = static_cast<std::int16_t>(take(yesNoAnswers, "yes/no"));
    }
    void recordNumber() override {
        calls.push_back({"recordNumber", state().DeletePrompt});
        state().RecordNumber = static_cast<std::int16_t>(take(recordNumbers, "record number"));
        state().SelectedRow = 0;
        state().RecordDialogSide = 0;
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
        calls.push_back({"fileDirectory", mode});
        if (mode < 1 || mode > 8) return;
        std::string name = take(fileNames, "file name");
        if (name.empty()) {
            state().FileDialogMode = 9;
            state().ChosenFileName.clear();
        } else {
            state().ChosenFileName = name;
        }
    }

private:
    template <class T> T take(std::deque<T>& queue, const char* what) {
        if (queue.empty()) qFatal("ScriptedDialogs: no %s answer queued", what);
        T v = queue.front();
        queue.pop_front();
        return v;
    }
};

// Printer provider that keeps the text of every printout it handed out.
class CapturingPrinters : public PrinterProvider {
public:
    std::deque<std::string> documents;   // one per printout, complete after the printer is gone
    bool cancel = false;                 // true: behave as if the user cancelled the PDF name

    std::unique_ptr<Printer> open() override {
        if (cancel) return nullptr;
        documents.emplace_back();
        return std::make_unique<Capture>(documents.back());
    }

private:
    class Capture : public TextPrinter {
    public:
        explicit Capture(std::string& sink) : sink_(sink) {}
        ~Capture() override { sink_ = text(); }
    private:
        std::string& sink_;
    };
};
