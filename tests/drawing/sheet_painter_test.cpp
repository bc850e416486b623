// The PDF and SVG of a sheet and the six files of a design, on Qt's offscreen platform.
#include "drawing/sheet_painter.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QXmlStreamReader>

#include <filesystem>

#include "core/errors.h"
#include "drawing/drawing_files.h"
#include "engine/design_run.h"
#include "engine/part_sizes.h"
#include "tests/temp_dir.h"

namespace gearpair {
namespace {

DrawingSet DefaultDrawings() {
    GearSession session;
    RunDesign(session, DesignInputs{});
    return BuildDrawings(session.design, DerivePartSizes(session.design));
}

TEST(SheetPainter, SvgIsWellFormedWithItsSizeInMillimetres) {
    const std::string svg = SvgBytes(DefaultDrawings().wheel);
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QStringLiteral("svg")) {
            EXPECT_EQ(xml.attributes().value("width").toString().toStdString(), "594mm");
            EXPECT_EQ(xml.attributes().value("height").toString().toStdString(), "420mm");
            EXPECT_EQ(xml.attributes().value("viewBox").toString().toStdString(), "0 0 594 420");
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

class DrawingFiles : public testing::TempDirTest {};

TEST_F(DrawingFiles, SixFilesInOrderAndAFailureKeepsThoseWrittenBeforeIt) {
    const DrawingSet set = DefaultDrawings();
    const std::vector<std::string> paths = WriteDrawings(set, dir_.string(), true);
    const std::vector<std::string> names = {"wheel.dxf",  "wheel.pdf",  "wheel.svg",
                                            "pinion.dxf", "pinion.pdf", "pinion.svg"};
    ASSERT_EQ(paths.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) EXPECT_EQ(paths[i], PathOf(names[i]));
    EXPECT_EQ(EntryCount(), 6u);
    EXPECT_EQ(WriteDrawings(set, Base(), false).size(), 4u);

    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_ / "pinion.pdf");
    try {
        WriteDrawings(set, dir_.string(), true);
        FAIL() << "no error";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("pinion.pdf"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(Exists("wheel.svg"));
    EXPECT_TRUE(Exists("pinion.dxf"));
    EXPECT_FALSE(Exists("pinion.svg"));
    EXPECT_EQ(EntryCount(), 5u);  // four files and the directory, no temporary left
}

}  // namespace
}  // namespace gearpair

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
