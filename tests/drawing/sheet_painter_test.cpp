// The PDF and SVG of a sheet and the drawing pipeline's files of a design, on Qt's offscreen
// platform.
#include "drawing/sheet_painter.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <filesystem>

#include "core/errors.h"
#include "drawing/drawing_files.h"
#include "engine/design_products.h"
#include "engine/design_run.h"
#include "tests/temp_dir.h"

namespace gearpair {
namespace {

DrawingSet DefaultDrawings() {
    GearSession session;
    RunDesign(session, DesignInputs{});
    return BuildDrawings(session.design, DesignProductsOf(session.design));
}

TEST(SheetPainter, SvgIsWellFormedWithItsSizeInMillimetresAndThePartsName) {
    const std::string svg = SvgBytes(DefaultDrawings().wheel);
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QStringLiteral("svg")) {
            EXPECT_EQ(xml.attributes().value("width").toString().toStdString(), "594mm");
            EXPECT_EQ(xml.attributes().value("height").toString().toStdString(), "420mm");
            EXPECT_EQ(xml.attributes().value("viewBox").toString().toStdString(), "0 0 594 420");
        }
        if (xml.isStartElement() && xml.name() == QStringLiteral("title")) {
            EXPECT_EQ(xml.readElementText().toStdString(), "Колесо зубчатое ГП.01.001");
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

TEST(SheetPainter, PdfIsOneLandscapePageOfTheFormat) {
    const std::string pdf = PdfBytes(DefaultDrawings().wheel);
    EXPECT_TRUE(pdf.starts_with("%PDF-"));
    // A2 landscape, 594 x 420 mm in whole points.
    EXPECT_NE(pdf.find("/MediaBox [0 0 1684.000000 1191.000000]"), std::string::npos);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
}

// The axes' dash-dot line as the SVG draws it: 12 mm dashes, 3 mm gaps, a dot between, in
// millimetres of paper although the pen is a quarter of a millimetre wide.
TEST(SheetPainter, SvgAxisDashesAreMillimetresOfPaper) {
    Sheet sheet;
    sheet.widthMm = 40;
    sheet.heightMm = 10;
    sheet.scale = "1:1";
    sheet.items = {Item{Layer::Axis, Line{{0, 5}, {40, 5}}}};
    QSvgRenderer svg(QByteArray::fromStdString(SvgBytes(sheet)));
    QImage image(400, 100, QImage::Format_RGB32);  // 10 pixels per mm
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    const auto inked = [&](double mm) { return qGray(image.pixel(int(mm * 10), 50)) < 128; };
    EXPECT_TRUE(inked(1));
    EXPECT_TRUE(inked(11.5));   // the first dash
    EXPECT_FALSE(inked(13.5));  // a gap
    EXPECT_FALSE(inked(16.5));  // the gap after the dot at 15 mm
    EXPECT_TRUE(inked(19));     // the second dash, from 18,25 mm
    EXPECT_FALSE(inked(31));
}

class DrawingPipeline : public testing::TempDirTest {};

TEST_F(DrawingPipeline, SixFilesInOrderAndAFailureListsThoseWrittenBeforeIt) {
    GearSession session;
    RunDesign(session, DesignInputs{});
    const DesignProducts sizes = DesignProductsOf(session.design);
    const std::vector<std::string> names = {"wheel.dxf",  "wheel.pdf",  "wheel.svg",
                                            "pinion.dxf", "pinion.pdf", "pinion.svg"};
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back(PathOf("run/" + name));
    const DrawingFiles all = WriteDesignDrawings(session.design, sizes, PathOf("run"), true);
    EXPECT_EQ(all.error, "");
    EXPECT_EQ(all.written, paths);
    EXPECT_EQ(all.drawings.wheel.title, "Колесо зубчатое ГП.01.001");
    EXPECT_EQ(WriteDesignDrawings(session.design, sizes, PathOf("run"), false).written.size(), 4u);

    std::filesystem::create_directories(dir_ / "failed" / "pinion.pdf");
    const DrawingFiles failed = WriteDesignDrawings(session.design, sizes, PathOf("failed"), true);
    EXPECT_EQ(failed.error, "Cannot create file " + PathOf("failed/pinion.pdf"));
    EXPECT_EQ(failed.written,
              std::vector<std::string>({PathOf("failed/wheel.dxf"), PathOf("failed/wheel.pdf"),
                                        PathOf("failed/wheel.svg"), PathOf("failed/pinion.dxf")}));
    EXPECT_FALSE(failed.drawings.pinion.items.empty());  // the window still shows the sheets
    // four files and the directory, no temporary left
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ / "failed"), {}), 5);

    const std::string underFile = PathOf("run/wheel.dxf") + "/sheets";
    EXPECT_EQ(WriteDesignDrawings(session.design, sizes, underFile, false).error,
              "Invalid filename: " + underFile);
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
