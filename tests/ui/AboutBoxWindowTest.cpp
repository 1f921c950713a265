// The about box as the user opens it: the read-me text starts at its top.
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include <string>

namespace {

class AboutBox : public WindowFixture {
protected:
    // A read-me far longer than the box, loaded as the language selection loads it.
    AboutBox() {
        View().ListClear(TControl::Memo1);
        View().AppendLine(TControl::Memo1, "");
        for (int i = 1; i <= 200; ++i)
            View().AppendLine(TControl::Memo1, "Read-me line " + std::to_string(i));
    }

    void Open() {
        Window().findChild<QAction*>("mnuAbout")->trigger();
        ASSERT_TRUE(ProcessEventsUntil([this] { return Find<QDialog>("frmAbout")->isVisible(); }));
        QCoreApplication::processEvents();
    }
    QPlainTextEdit* ReadMe() { return Find<QPlainTextEdit>("Memo1"); }
    // Whether the read-me's first line shows at the top of the box.
    bool FirstLineAtTheTop() {
        QTextBlock first = ReadMe()->document()->findBlockByNumber(0);
        while (first.isValid() && first.text().isEmpty())
            first = first.next();
        QRect line = ReadMe()->cursorRect(QTextCursor(first));
        return first.text() == "Read-me line 1" && line.top() >= 0 &&
               line.bottom() < ReadMe()->viewport()->height() / 4;
    }
};

TEST_F(AboutBox, OpensAtTheTopOfTheReadMe) {
    Open();
    EXPECT_EQ(ReadMe()->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(FirstLineAtTheTop());
    EXPECT_GT(ReadMe()->verticalScrollBar()->maximum(), 0) << "the text is longer than the box";

    // Read to the end, close, open again: the top again.
    ReadMe()->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    Find<QAbstractButton>("btnOK")->click();
    Open();
    EXPECT_EQ(ReadMe()->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(FirstLineAtTheTop());
}

} // namespace
