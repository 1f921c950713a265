// The NETWORK page is never shown: no wheel turn over the configuration tabs, no key on
// the tab bar or the page control and no page choice of the view brings it to the front,
// and none of them sends the configuration-mode sentence or an AT command.
#include "WindowFixture.h"

#include "network/NetworkConsole.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include <functional>

namespace {

class NetworkPageWindow : public WindowFixture {
protected:
    NetworkPageWindow() : WindowFixture({"Simulated Receiver (COM7)"}) {}

    void SetUp() override {
        QTest::mouseClick(Find<QAbstractButton>("OpenPort"), Qt::LeftButton);
        line_->Receive("[DEVICE DATA END]\r\n");
        ASSERT_TRUE(ProcessEventsUntil([this] { return Controller().Session().IsConnected(); }));
        pages_ = Find<QTabWidget>("PageControlConf");
        network_ = Find<QWidget>("TabSheetNetwork");
        // Even a page that the controller would put back at once counts.
        QObject::connect(pages_, &QTabWidget::currentChanged, pages_, [this](int tab) {
            if (pages_->widget(tab) == network_)
                networkInFront_ = true;
        });
        written_ = line_->Written().size();
    }

    // One tab's worth of the mouse wheel over the tab bar; down moves right.
    void TurnWheel(bool down) {
        QTabBar* bar = pages_->tabBar();
        QPointF at = bar->rect().center();
        QWheelEvent wheel(at, bar->mapToGlobal(at), QPoint(), QPoint(0, down ? -120 : 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
    }

    // Every way the user has, each tried from every tab and repeated past the ends.
    void TryEveryWay(const std::function<void()>& between) {
        const std::function<void()> ways[] = {
            [this] { TurnWheel(true); },
            [this] { TurnWheel(false); },
            [this] { QTest::keyClick(pages_->tabBar(), Qt::Key_Right); },
            [this] { QTest::keyClick(pages_->tabBar(), Qt::Key_Left); },
            [this] { QTest::keyClick(pages_, Qt::Key_Tab, Qt::ControlModifier); },
            [this] { QTest::keyClick(pages_, Qt::Key_Backtab, Qt::ControlModifier); },
            [this] { QTest::keyClick(pages_, Qt::Key_PageDown, Qt::ControlModifier); },
            [this] { QTest::keyClick(pages_, Qt::Key_PageUp, Qt::ControlModifier); },
        };
        for (const auto& way : ways)
            for (int from = 0; from < pages_->count(); ++from) {
                pages_->setCurrentIndex(from);
                for (int repeat = 0; repeat < pages_->count() + 1; ++repeat) {
                    way();
                    between();
                }
            }
    }

    std::string WrittenSinceSetUp() { return line_->Written().substr(written_); }

    QTabWidget* pages_ = nullptr;
    QWidget* network_ = nullptr;
    bool networkInFront_ = false;
    size_t written_ = 0;
};

TEST_F(NetworkPageWindow, NeitherWheelNorKeysBringThePageToTheFront) {
    // The wheel and the keys do move between the pages that are offered.
    pages_->setCurrentIndex(0);
    TurnWheel(true);
    ASSERT_EQ(View().ActivePage(TControl::PageControlConf), pgInternalGps);
    pages_->setCurrentIndex(0);
    QTest::keyClick(pages_, Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_EQ(View().ActivePage(TControl::PageControlConf), pgInternalGps);

    pages_->setFocus();
    TryEveryWay([this] {
        EXPECT_FALSE(network_->isVisible());
        EXPECT_NE(View().ActivePage(TControl::PageControlConf), pgNetwork);
    });
    EXPECT_FALSE(networkInFront_);
    for (int tab = 0; tab < pages_->count(); ++tab)
        EXPECT_NE(pages_->widget(tab), network_) << "the page is no tab at all";
    // The 100 ms timer would send queued AT commands and leave configuration mode.
    QTest::qWait(300);
    EXPECT_EQ(WrittenSinceSetUp(), "");
    EXPECT_FALSE(Controller().Network().Console().ConfigMode());
}

TEST_F(NetworkPageWindow, TheViewNeverSelectsIt) {
    View().SetActivePage(TControl::PageControlConf, pgRestore);
    View().SetActivePage(TControl::PageControlConf, pgNetwork);
    EXPECT_EQ(View().ActivePage(TControl::PageControlConf), pgRestore);
    EXPECT_EQ(pages_->tabText(pages_->currentIndex()), "RESTORE");
    EXPECT_FALSE(network_->isVisible());
    // Its controls are still there for the controller.
    EXPECT_EQ(Find<QWidget>("LabelEthIP")->window(), &Window());
}

} // namespace
