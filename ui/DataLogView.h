// The DATA LOG page's view of the newest received lines. It follows the newest line
// whatever the widths of the lines, until the user scrolls away from it, and holds at
// most kDataLogViewLines lines and kDataLogViewBytes characters, dropping the oldest.
#pragma once

#include <QPlainTextEdit>

class DataLogView : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit DataLogView(QWidget* parent);

    void AppendLine(const QString& line);

private:
    void DropOldestBeyondBound();
    void ShowNewest();

    // Whether the view keeps the newest line in sight; only the user's scrolling changes it.
    bool following_ = true;
};
