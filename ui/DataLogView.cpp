#include "DataLogView.h"

#include "log/DataLog.h"

#include <QScrollBar>
#include <QTextBlock>

DataLogView::DataLogView(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setMaximumBlockCount(static_cast<int>(kDataLogViewLines));
    QScrollBar* bar = verticalScrollBar();
    // The wheel, the keys and the scroll bar itself all act through the bar's actions;
    // the position after the action tells whether the user left the newest line.
    connect(bar, &QAbstractSlider::actionTriggered, this,
            [this, bar] { following_ = bar->sliderPosition() >= bar->maximum(); });
    // A line wider than the view brings the horizontal bar, which narrows the view: the
    // range grows without a new line, and the newest line would slip out of sight.
    connect(bar, &QAbstractSlider::rangeChanged, this, [this] {
        if (following_)
            ShowNewest();
    });
}

void DataLogView::AppendLine(const QString& line) {
    appendPlainText(line);
    DropOldestBeyondBound();
    if (following_)
        ShowNewest();
}

void DataLogView::ShowNewest() {
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void DataLogView::DropOldestBeyondBound() {
    QTextDocument* text = document();
    // The count includes the end of the last line, which the text does not have.
    const auto bound = static_cast<int>(kDataLogViewBytes) + 1;
    int dropped = 0;
    while (text->characterCount() > bound && text->blockCount() > 1) {
        QTextCursor oldest(text->firstBlock());
        oldest.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        oldest.removeSelectedText();
        ++dropped;
    }
    // The lines a user reads higher up stay where they are.
    if (dropped > 0 && !following_)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - dropped);
}
