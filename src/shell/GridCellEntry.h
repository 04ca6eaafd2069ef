#pragma once
// Typing into the cells of a grid through an edit buffer. The grid itself stays read-only:
// the buffer collects the characters typed into the current cell since it was selected, and
// the owner (a dialog or worksheet) decides what a key may do and what the cell shows.
//
// The protocol, the same for every grid that takes typing:
// - the first character typed into a cell starts a new buffer, so it replaces the cell's
//   text; each accepted character is appended and handed to `edited`;
// - Backspace starts from the cell's text less its last character (or, for columns that
//   say so, from nothing) and hands that to `edited`;
// - Enter calls `entered`, ends the buffer and selects the cell one row down;
// - Delete ends the buffer and calls `deleted`;
// - moving to another cell ends the buffer; if it held typing, `abandoned` is called for
//   the cell that was left.
// Keys with Ctrl, Alt or Meta, and navigation keys, go on to the grid untouched.
#include <QObject>
#include <QString>
#include <functional>

class Grid;
class QKeyEvent;

class GridCellEntry : public QObject {
    Q_OBJECT
  public:
    enum class Key { Enter, Backspace, Delete, Character };
    enum class Verdict { Accept, Beep, Ignore };

    struct Config {
        // Asked before a key reaches the cell; false swallows it (the owner may beep or show
        // a message). Unset: every cell takes every key.
        std::function<bool(int row, int col, Key key)> admit;
        // Judges a typed character against the buffer; Beep sounds the beep. Unset: accept.
        std::function<Verdict(int row, int col, const QString& buffer, char32_t ch)> judge;
        // Whether Backspace edits the cell's text in this column (true) or empties it.
        std::function<bool(int col)> backspaceEditsText;
        std::function<void(int row, int col, const QString& buffer)> edited;
        std::function<void(int row, int col)> entered;
        std::function<void(int row, int col)> deleted;
        std::function<void(int row, int col)> abandoned;
    };

    GridCellEntry(Grid* grid, Config config);

    // True while the cell holds typing that has not been ended.
    // (No cell, -1 and -1, the grid's "before the first cell", never holds typing.)
    bool typing(int row, int col) const {
        return ownerRow_ >= 0 && row == ownerRow_ && col == ownerCol_;
    }
    const QString& buffer() const { return buffer_; }
    // Ends the buffer without a call: the next character typed replaces the cell's text.
    void restart();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool onKey(QKeyEvent* event);
    bool admitted(int row, int col, Key key) const;
    void onCurrentCellChanged(int previousRow, int previousCol);

    Grid* grid_;
    Config config_;
    int ownerRow_ = -1;
    int ownerCol_ = -1;
    QString buffer_;
};
