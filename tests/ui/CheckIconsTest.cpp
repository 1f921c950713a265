// The system check's icons as drawn: a red cross, a green tick and an orange warning
// triangle, 32 x 32, on a transparent ground.
#include "CheckIcons.h"
#include "WindowFixture.h"

#include <QLabel>

namespace {

struct Dominant {
    int x, y;
    const char* colour; // "red", "green", "orange", "black" or "none"
};

const char* ColourAt(const QImage& image, int x, int y) {
    QColor c = image.pixelColor(x, y);
    if (c.alpha() < 64)
        return "none";
    if (c.red() < 60 && c.green() < 60 && c.blue() < 60)
        return "black";
    if (c.green() > 2 * c.red() && c.green() > 2 * c.blue())
        return "green";
    if (c.red() > 2 * c.green() && c.red() > 2 * c.blue())
        return "red";
    if (c.red() > 200 && c.green() > 100 && c.blue() < 80)
        return "orange";
    return "other";
}

TEST(CheckIcons, CrossTickAndWarningHaveTheirColoursWhereExpected) {
    struct Case {
        int index;
        std::vector<Dominant> points;
    };
    const Case cases[] = {
        {ciFailed, {{16, 16, "red"}, {8, 8, "red"}, {24, 8, "red"}, {16, 2, "none"}}},
        {ciPassed, {{13, 24, "green"}, {20, 16, "green"}, {5, 5, "none"}, {27, 27, "none"}}},
        {ciNothingYet, {{8, 26, "orange"}, {24, 26, "orange"}, {16, 15, "black"}, {2, 4, "none"}}},
        {3, {{16, 16, "none"}}},
    };
    for (const Case& c : cases) {
        QImage image = CheckIcon(c.index).toImage();
        EXPECT_EQ(image.size(), QSize(32, 32));
        for (const Dominant& p : c.points)
            EXPECT_STREQ(ColourAt(image, p.x, p.y), p.colour)
                << "icon " << c.index << " at " << p.x << "," << p.y;
    }
}

using CheckIconsOnThePage = WindowFixture;

TEST_F(CheckIconsOnThePage, StartUpShowsCrossesAndTheWarning) {
    QImage firmware = Find<QLabel>("ImageChkFwVer")->pixmap().toImage();
    QImage reception = Find<QLabel>("ImageChkRx")->pixmap().toImage();
    EXPECT_EQ(firmware, CheckIcon(ciFailed).toImage());
    EXPECT_EQ(reception, CheckIcon(ciNothingYet).toImage());
    View().SetImageIndex(TControl::ImageChkRx, ciPassed);
    EXPECT_EQ(Find<QLabel>("ImageChkRx")->pixmap().toImage(), CheckIcon(ciPassed).toImage());
}

} // namespace
