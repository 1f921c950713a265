// The DATA LOG page as the user sees it: the view follows the newest line whatever the
// widths of the lines until the user scrolls away, holds a bounded amount of text, and
// the command line sends on Enter and refuses a command longer than it takes.
#include "WindowFixture.h"

#include "log/DataLog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QToolTip>

#include <string>

namespace {

class DataLogPage : public WindowFixture {
protected:
    DataLogPage() : WindowFixture({"USB Serial Port (COM5)"}) {}

    // Connected, logging on, and the DATA LOG page in front.
    void StartLogging() {
        QTest::mouseClick(Find<QAbstractButton>("OpenPort"), Qt::LeftButton);
        line_->Receive("[DEVICE DATA END]\r\n");
        ASSERT_TRUE(ProcessEventsUntil([this] { return Controller().Session().IsConnected(); }));
        View().SetActivePage(TControl::PageControlMain, pgDiagnostics);
        View().SetActivePage(TControl::PageControlDiagnosis, pgDataLog);
        Find<QAbstractButton>("spbtnEnableLog")->click();
        ASSERT_TRUE(Log()->isVisible());
    }

    QPlainTextEdit* Log() { return Find<QPlainTextEdit>("MemoDataLog"); }

    // Sends `lines` through the serial line and waits until the view ends with the last.
    void Receive(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines)
            bytes += line + "\r\n";
        line_->Receive(bytes);
        const QString last = QString::fromLatin1(lines.back());
        ASSERT_TRUE(ProcessEventsUntil([this, &last] { return LastLine() == last; }));
        QCoreApplication::processEvents();
    }

    QString LastLine() { return Log()->document()->lastBlock().text(); }
    // The line at the top of the view.
    std::string TopLine() {
        return Log()->cursorForPosition(QPoint(0, 0)).block().text().toStdString();
    }

    bool NewestLineVisible() {
        QTextCursor end(Log()->document()->lastBlock());
        QRect line = Log()->cursorRect(end);
        return line.top() >= 0 && line.bottom() <= Log()->viewport()->height();
    }
    bool AtNewest() {
        QScrollBar* bar = Log()->verticalScrollBar();
        return bar->value() == bar->maximum() && NewestLineVisible();
    }
};

// Numbered sentences of `length` characters at least.
std::vector<std::string> Sentences(int first, int count, size_t length = 0) {
    std::vector<std::string> lines;
    for (int i = first; i < first + count; ++i) {
        std::string line = "$GPGLL,4916.45,N,12311.12,W,2254" + std::to_string(i) + ",A,A";
        line += std::string(length > line.size() + 3 ? length - line.size() - 3 : 0, '0') + "*41";
        lines.push_back(line);
    }
    return lines;
}

std::string WideText(int number) {
    return "$GPTXT,01,01,02," + std::to_string(number) + std::string(250, 'W') + "*00";
}

TEST_F(DataLogPage, FollowsTheNewestLineWhateverItsWidth) {
    StartLogging();
    Receive(Sentences(0, 100));
    EXPECT_TRUE(AtNewest());
    Receive({WideText(1)});
    EXPECT_TRUE(Log()->horizontalScrollBar()->isVisible()) << "the line is wider than the view";
    EXPECT_TRUE(AtNewest()) << "a line wider than the view";
    for (int batch = 0; batch < 3; ++batch) {
        Receive(Sentences(100 + 10 * batch, 10));
        EXPECT_TRUE(AtNewest()) << "batch " << batch << " after the wide line";
    }
    Receive({WideText(2), "short"});
    EXPECT_TRUE(AtNewest());
}

TEST_F(DataLogPage, StaysWhereTheUserScrolledUntilTheUserGoesBackDown) {
    struct Case {
        const char* what;
        size_t length;
        int more; // lines received while the user reads, enough to drop the oldest
    };
    const Case cases[] = {
        {"the view's line limit", 50, static_cast<int>(kDataLogViewLines) - 99},
        {"the view's size limit", 1000, static_cast<int>(kDataLogViewBytes / 1001) - 199},
    };
    StartLogging();
    QScrollBar* bar = Log()->verticalScrollBar();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        View().ListClear(TControl::MemoDataLog);
        Receive(Sentences(0, 400, c.length));
        Receive({WideText(1)});
        // The user turns the mouse wheel up over the log.
        QPoint middle = Log()->viewport()->rect().center();
        QWheelEvent wheel(middle, Log()->viewport()->mapToGlobal(middle), QPoint(), QPoint(0, 360),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(Log()->viewport(), &wheel);
        ASSERT_LT(bar->value(), bar->maximum());
        const std::string top = TopLine();

        Receive(Sentences(400, c.more, c.length));
        EXPECT_NE(Log()->document()->firstBlock().text().toStdString(),
                  Sentences(0, 1, c.length)[0])
            << "the oldest lines went while the user read";
        EXPECT_EQ(TopLine(), top) << "the lines the user looks at stay put";
        EXPECT_LT(bar->value(), bar->maximum());

        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        Receive({WideText(2)});
        Receive(Sentences(9000, 5, c.length));
        EXPECT_TRUE(AtNewest()) << "back at the newest line, the view follows again";
    }
}

TEST_F(DataLogPage, HoldsAtMostAMebibyteOfTheNewestText) {
    struct Case {
        size_t lineLength;
        size_t lines;
    };
    // Lines of the receiver's size, and lines as long as the receive path passes.
    const Case cases[] = {
        {80, kDataLogViewBytes / 80 + 500},
        {1000, kDataLogViewBytes / 1000 + 200},
        {4095, kDataLogViewBytes / 4095 + 50},
    };
    QPlainTextEdit* log = Log();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lineLength);
        View().ListClear(TControl::MemoDataLog);
        std::string newest;
        for (size_t i = 0; i < c.lines; ++i) {
            newest = std::to_string(i) + std::string(c.lineLength - std::to_string(i).size(), 'x');
            View().AppendLine(TControl::MemoDataLog, newest);
        }
        const QString text = log->toPlainText();
        EXPECT_LE(static_cast<size_t>(text.size()), kDataLogViewBytes);
        EXPECT_LE(static_cast<size_t>(log->blockCount()), kDataLogViewLines);
        EXPECT_TRUE(text.endsWith(QString::fromLatin1(newest)));
        EXPECT_GE(static_cast<size_t>(text.size()),
                  std::min(kDataLogViewBytes, kDataLogViewLines * (c.lineLength + 1)) -
                      c.lineLength - 1)
            << "only the oldest lines go";
    }
}

TEST_F(DataLogPage, EnterSendsTheCommandAsTheButtonDoes) {
    StartLogging();
    auto* command = Find<QLineEdit>("LabeledEditCommandText");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        SCOPED_TRACE(key);
        line_->Written();
        const size_t before = line_->Written().size();
        command->setText("$PTST,,,,,17*29");
        QTest::keyClick(command, key);
        EXPECT_EQ(line_->Written().substr(before), "$PTST,,,,,17*29\r\n");
        EXPECT_EQ(command->text(), "$PTST,,,,,17*29") << "kept for sending again";
    }
    QTest::mouseClick(Find<QAbstractButton>("OpenPort"), Qt::LeftButton); // Disconnect
    QTest::keyClick(command, Qt::Key_Return);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, "Send message error");
}

TEST_F(DataLogPage, CommandLineShowsItsLimitAndRefusesALongerCommand) {
    auto* command = Find<QLineEdit>("LabeledEditCommandText");
    EXPECT_TRUE(command->placeholderText().contains("86"))
        << command->placeholderText().toStdString();
    EXPECT_TRUE(command->toolTip().contains("86"));

    const QString longest(86, 'A');
    command->clear();
    QTest::keyClicks(command, longest + "BCD");
    EXPECT_EQ(command->text(), longest) << "typing stops at the limit";

    command->setText("$PTST");
    command->end(false);
    QApplication::clipboard()->setText(QString(90, 'x'));
    command->paste();
    EXPECT_EQ(command->text(), "$PTST") << "a paste that does not fit is refused whole";
    EXPECT_TRUE(QToolTip::text().contains("86")) << QToolTip::text().toStdString();

    QApplication::clipboard()->setText(QString(81, 'x'));
    command->paste();
    EXPECT_EQ(command->text(), "$PTST" + QString(81, 'x')) << "one that fits is taken";
}

} // namespace
