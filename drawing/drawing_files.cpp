// Writing the drawing files of a design.
#include "drawing/drawing_files.h"

#include <QGuiApplication>

#include <clocale>
#include <cstdio>
#include <optional>

#include "core/errors.h"
#include "drawing/dxf_writer.h"
#include "drawing/sheet_painter.h"
#include "files/file_ops.h"

namespace gearpair {

namespace {

// Qt's start-up notes (no runtime directory, no display) are no output of the program; its
// critical messages still reach standard error.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

// The application object the fonts of the PDF and SVG painters need, where the process has
// none (the command line), for the life of one write: always on the offscreen platform, named by
// the argument, which wins over an inherited QT_QPA_PLATFORM. Qt sets the locale from the
// environment, so the C locale of the numbers printed afterwards and the previous message
// handler are put back however the write ends.
class PaintingSession {
public:
    PaintingSession() {
        if (QGuiApplication::instance() != nullptr) return;
        locale_ = std::setlocale(LC_ALL, nullptr);
        previous_ = qInstallMessageHandler(QuietQtMessages);
        app_.emplace(argc_, argv_);
    }
    PaintingSession(const PaintingSession&) = delete;
    PaintingSession& operator=(const PaintingSession&) = delete;
    ~PaintingSession() {
        if (!app_) return;
        app_.reset();
        qInstallMessageHandler(previous_);
        std::setlocale(LC_ALL, locale_.c_str());
    }

private:
    std::string locale_;
    QtMessageHandler previous_ = nullptr;
    std::optional<QGuiApplication> app_;
    int argc_ = 3;
    char name_[9] = "gearpair";
    char option_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {name_, option_, platform_, nullptr};
};

}  // namespace

DrawingFiles WriteDesignDrawings(const TGearDesign& design, const DesignProducts& products,
                                 const std::string& dir, bool withSvg,
                                 const DrawingInputs& inputs) {
    DrawingFiles files;
    try {
        files.drawings = BuildDrawings(design, products, inputs);
        MakeDirectories(dir);
        std::string base = dir;
        if (!base.empty() && base.back() != '/') base += '/';
        const PaintingSession painting;
        const std::pair<const char*, const Sheet*> sheets[] = {{"wheel", &files.drawings.wheel},
                                                               {"pinion", &files.drawings.pinion}};
        for (const auto& [name, sheet] : sheets) {
            const std::string stem = base + name;
            WriteDxf(*sheet, stem + ".dxf");
            files.written.push_back(stem + ".dxf");
            WritePdf(*sheet, stem + ".pdf");
            files.written.push_back(stem + ".pdf");
            if (withSvg) {
                WriteSvg(*sheet, stem + ".svg");
                files.written.push_back(stem + ".svg");
            }
        }
    } catch (const Error& e) {
        files.error = e.what();
    }
    return files;
}

}  // namespace gearpair
