#pragma once
// A worksheet's files: chosen through FileDir, read whole, saved safely, and the name of the
// file the worksheet has in memory. That name belongs to the page that opened or saved the
// file: it is handed to the file dialog and to the question before erasing only while they
// ask, so no other worksheet ever offers, names or writes it.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class Workspace;

// A kind of file a worksheet opens and saves, as FileDir offers it.
struct DocumentKind {
    std::int16_t openMode = 0; // the FileDialogMode that opens one
    std::int16_t saveMode = 0; // the one that saves one; 0 where the page never saves it
    // The dialog's filter ("Savings Goal (*.Gol)|*.Gol") and the extension a saved name typed
    // without one gets, where FileDir does not know the mode itself.
    const char* filter = "";
    const char* extension = "";
    // The message a failed save shows; msg::DetailOnly says "Cannot save NAME.".
    int saveFailed = 0;
    // The file opened or saved becomes the page's file (offered next time, named on leaving).
    bool named = true;
};

class DocumentFile {
  public:
    enum class Opened { Cancelled, Taken, Refused };
    // What a worksheet does with the bytes chosen (nothing: the file could not be read);
    // true when the whole file was taken.
    using Load = std::function<bool(const std::optional<std::string>& bytes)>;

    DocumentFile(Workspace& workspace, const DocumentKind& kind);

    // The bare name of the file in memory; "" before one was opened or saved.
    const std::string& name() const { return name_; }
    void forget() { name_.clear(); }
    // The full name of the file the dialog chose last: a file written or read may need its
    // folder (names inside it kept relative to it).
    const std::string& chosenPath() const { return chosen_; }
    // A file the worksheet chose and read itself becomes the page's file.
    void adopt(const std::string& path);

    // FileDir for the page's kind, offering its file: the full name chosen, or nothing.
    std::optional<std::string> choose(bool save) { return choose(kind_, save); }
    std::optional<std::string> choose(const DocumentKind& kind, bool save);

    // FileDir opening several files of `kind` at once: their full names, none when cancelled.
    std::vector<std::string> chooseSeveral(const DocumentKind& kind);

    // Asks for a name and saves `bytes()` there safely (a failed save leaves the previous
    // file as it was and shows the kind's message). True only when the file was written; it
    // is then the page's file.
    bool save(const std::function<std::string()>& bytes);

    // Asks for a file to open and hands its bytes to `load`. A file that cannot be read, or
    // that `load` does not take whole, is message 13; a file taken becomes the page's file.
    Opened open(const Load& load) { return open(kind_, load); }
    Opened open(const DocumentKind& kind, const Load& load);

    // A yes/no question that names the page's file (question 3). 6 yes, 0 no.
    int ask(int questionCode);
    // Our own worksheets' question before unsaved entries are erased: question 3 with a
    // file, question 5 (the entries) without one.
    int askBeforeErasing();

  private:
    Workspace& workspace_;
    DocumentKind kind_;
    std::string name_;
    std::string chosen_;
};
