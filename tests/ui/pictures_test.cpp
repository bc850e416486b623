// The painted pictures: each arrangement shows its gear and bearings where the form's
// buttons promise them, at 1x and 2x; the chosen arrangement's button looks pressed; the
// check mark is green, its disabled form grey.
#include "ui/pictures.h"

#include <QImage>
#include <QToolButton>

#include "tests/ui/window_test_support.h"

namespace gearpair {
namespace {

// Centres, in logical pixels, of the painted runs of a picture row.
std::vector<double> PaintedRuns(const QPixmap& picture, int logicalRow) {
    const QImage image = picture.toImage();
    const qreal ratio = picture.devicePixelRatio();
    const int y = static_cast<int>(logicalRow * ratio);
    std::vector<double> centres;
    int start = -1;
    for (int x = 0; x <= image.width(); ++x) {
        const bool painted = x < image.width() && qAlpha(image.pixel(x, y)) > 128;
        if (painted && start < 0) start = x;
        if (!painted && start >= 0) {
            centres.push_back((start + x - 1) / 2.0 / ratio);
            start = -1;
        }
    }
    return centres;
}

class ArrangementPictureTest : public ::testing::TestWithParam<qreal> {};

TEST_P(ArrangementPictureTest, PlacesTheGearAsTheButtonsDescribe) {
    const qreal ratio = GetParam();
    for (int arrangement : {1, 2, 3}) {
        const QPixmap picture = ArrangementPicture(arrangement, ratio);
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(140, 50));
        EXPECT_EQ(picture.size(), QSize(140, 50) * ratio);
    }
    // Row 10 crosses only the gear, row 20 the gear and the bearings.
    const auto gear = [&](int arrangement) {
        const auto runs = PaintedRuns(ArrangementPicture(arrangement, ratio), 10);
        EXPECT_EQ(runs.size(), 1u) << arrangement;
        return runs.empty() ? 0.0 : runs[0];
    };
    const auto bearings = [&](int arrangement) {
        auto runs = PaintedRuns(ArrangementPicture(arrangement, ratio), 20);
        std::erase_if(runs, [&](double x) { return std::abs(x - gear(arrangement)) < 2; });
        return runs;
    };
    // overhanging: both bearings left of the gear, which sits at the right end
    ASSERT_EQ(bearings(1).size(), 2u);
    EXPECT_LT(bearings(1)[1], gear(1));
    EXPECT_GT(gear(1), 100);
    // near the left bearing
    ASSERT_EQ(bearings(2).size(), 2u);
    EXPECT_LT(gear(2) - bearings(2)[0], (bearings(2)[1] - gear(2)) / 2);
    // midway
    ASSERT_EQ(bearings(3).size(), 2u);
    EXPECT_NEAR(gear(3) - bearings(3)[0], bearings(3)[1] - gear(3), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Scales, ArrangementPictureTest, ::testing::Values(1.0, 2.0));

class ArrangementButtons : public ProgramWindows {};

TEST_F(ArrangementButtons, TheOneDownHasASunkenFrameOnAnotherFace) {
    // SpeedButton3 is down at start.
    const QImage up = A<QToolButton>("SpeedButton2")->grab().toImage();
    const QImage down = A<QToolButton>("SpeedButton3")->grab().toImage();
    const int middle = up.width() / 2;
    const int bottom = up.height() - 1;
    // raised: light above, dark below; sunken the other way round
    EXPECT_GT(qGray(up.pixel(middle, 0)), qGray(down.pixel(middle, 0)) + 64);
    EXPECT_LT(qGray(up.pixel(middle, bottom)) + 64, qGray(down.pixel(middle, bottom)));
    // the face beside the picture
    const QColor upFace = up.pixelColor(5, 10);
    const QColor downFace = down.pixelColor(5, 10);
    EXPECT_GT(std::abs(upFace.red() - downFace.red()) +
                  std::abs(upFace.green() - downFace.green()) +
                  std::abs(upFace.blue() - downFace.blue()),
              60);
}

TEST(CheckMark, IsGreenAndAGreyOutlineWhenDisabled) {
    const auto colours = [](const QPixmap& picture) {
        const QImage image = picture.toImage();
        int green = 0;
        int grey = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) < 128) continue;
                green += qGreen(p) > 2 * qRed(p) && qGreen(p) > 2 * qBlue(p);
                grey += qRed(p) == qGreen(p) && qGreen(p) == qBlue(p);
            }
        }
        return std::pair{green, grey};
    };
    for (const qreal ratio : {1.0, 2.0}) {
        EXPECT_GT(colours(CheckMarkPicture(true, ratio)).first, 20 * ratio * ratio);
        EXPECT_EQ(colours(CheckMarkPicture(false, ratio)).first, 0);
        EXPECT_GT(colours(CheckMarkPicture(false, ratio)).second, 10 * ratio);
    }
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    return gearpair::RunWindowTests(argc, argv);
}
