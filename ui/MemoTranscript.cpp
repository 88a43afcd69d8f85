#include "MemoTranscript.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

namespace ranquill::ui {

void MemoTranscript::AppendLine(std::string_view line) {
    QTextDocument* document = memo_->document();
    // Disabling undo clears its history and records nothing while off.
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    cursor.movePosition(QTextCursor::End);
    // One edit block: the view relays out and resizes its scroll range once.
    cursor.beginEditBlock();
    if (holdsLines_ || !document->isEmpty()) cursor.insertBlock();
    cursor.insertText(QString::fromLocal8Bit(line.data(), static_cast<qsizetype>(line.size())));
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
    holdsLines_ = true;

    // Show the new line from its first column. The user's caret stays where
    // it was: moving it costs more than the append itself.
    memo_->verticalScrollBar()->setValue(memo_->verticalScrollBar()->maximum());
    memo_->horizontalScrollBar()->setValue(0);
}

void MemoTranscript::Clear() {
    memo_->clear();
    holdsLines_ = false;
}

}  // namespace ranquill::ui
