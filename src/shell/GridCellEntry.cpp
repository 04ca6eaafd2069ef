#include "GridCellEntry.h"

#include <QKeyEvent>

#include "Grid.h"
#include "Platform.h"
#include "TypedKey.h"

GridCellEntry::GridCellEntry(Grid* grid, Config config)
    : QObject(grid), grid_(grid), config_(std::move(config)) {
    grid_->installEventFilter(this);
    connect(grid_, &Grid::currentCellChanged, this,
            [this](int, int, int previousRow, int previousCol) {
                onCurrentCellChanged(previousRow, previousCol);
            });
}

void GridCellEntry::restart() {
    ownerRow_ = ownerCol_ = -1;
    buffer_.clear();
}

bool GridCellEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::KeyPress)
        return onKey(static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

bool GridCellEntry::admitted(int row, int col, Key key) const {
    return !config_.admit || config_.admit(row, col, key);
}

bool GridCellEntry::onKey(QKeyEvent* event) {
    const int row = grid_->currentRow();
    const int col = grid_->currentCol();
    if (row < 1 || col < 0)
        return false;

    if (event->key() == Qt::Key_Delete) {
        if (admitted(row, col, Key::Delete)) {
            restart();
            if (config_.deleted)
                config_.deleted(row, col);
        }
        return true;
    }
    const typed_key::Key key = typed_key::classify(event);
    switch (key.kind) {
    case typed_key::Kind::PassOn:
        return false;
    case typed_key::Kind::Blocked:
        return true;
    case typed_key::Kind::Enter:
        if (admitted(row, col, Key::Enter)) {
            if (config_.entered)
                config_.entered(row, col);
            restart();
            if (row + 1 < grid_->rows())
                grid_->setCurrentCell(row + 1, col);
        }
        return true;
    case typed_key::Kind::Typed:
        break;
    }

    if (key.code == 8) {
        if (!admitted(row, col, Key::Backspace))
            return true;
        const bool editsText = !config_.backspaceEditsText || config_.backspaceEditsText(col);
        buffer_ = editsText ? grid_->text(row, col) : QString();
        buffer_.chop(1);
        ownerRow_ = row;
        ownerCol_ = col;
        if (config_.edited)
            config_.edited(row, col, buffer_);
        return true;
    }
    if (!admitted(row, col, Key::Character))
        return true;
    if (!typing(row, col)) {
        ownerRow_ = row;
        ownerCol_ = col;
        buffer_.clear();
    }
    const Verdict verdict =
        config_.judge ? config_.judge(row, col, buffer_, key.code) : Verdict::Accept;
    if (verdict == Verdict::Beep)
        platform::beep();
    if (verdict != Verdict::Accept)
        return true;
    buffer_ += QString::fromUcs4(&key.code, 1);
    if (config_.edited)
        config_.edited(row, col, buffer_);
    return true;
}

void GridCellEntry::onCurrentCellChanged(int previousRow, int previousCol) {
    const bool wasTyping = typing(previousRow, previousCol);
    restart();
    if (wasTyping && config_.abandoned)
        config_.abandoned(previousRow, previousCol);
}
