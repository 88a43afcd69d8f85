#include "MemoTranscript.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace ranquill::ui {

void MemoTranscript::AppendLine(std::string_view line) {
    QTextDocument* document = memo_->document();
    // Disabling undo clears its history and records nothing while off.
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    if (holdsLines_ || !document->isEmpty()) cursor.insertBlock();
    cursor.insertText(QString::fromLocal8Bit(line.data(), static_cast<qsizetype>(line.size())));
    document->setUndoRedoEnabled(true);
    holdsLines_ = true;

    // The caret goes to the start of the new line, as after typing it, and
    // the view shows that line from its first column.
    cursor.movePosition(QTextCursor::StartOfBlock);
    memo_->setTextCursor(cursor);
    memo_->horizontalScrollBar()->setValue(0);
}

void MemoTranscript::Clear() {
    memo_->clear();
    holdsLines_ = false;
}

}  // namespace ranquill::ui
