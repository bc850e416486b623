// Drawing files of a design job.
#include "cli/drawing_step.h"

#include <QGuiApplication>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "core/errors.h"
#include "drawing/drawing_files.h"
#include "drawing/drawings.h"
#include "engine/part_sizes.h"
#include "files/file_ops.h"

namespace gearpair {

namespace {

void MakeDirectories(const std::string& dir) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error || !std::filesystem::is_directory(dir)) {
        const int code = FileErrorCode(error ? error.value() : ENOTDIR);
        throw FileError(code, FileErrorMessage(code) + ": " + dir);
    }
}

// Qt's start-up notes (no runtime directory, no display) are not the command's output; its
// critical messages still reach standard error.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    }
}

}  // namespace

void WriteJobDrawings(JobResult& job, const std::string& dir, bool withSvg) {
    if (job.status != JobStatus::Completed || !job.design) return;
    try {
        MakeDirectories(dir);
        const DrawingSet set = BuildDrawings(*job.design, DerivePartSizes(*job.design));
        // The fonts of the PDF and SVG painters need an application object. Qt sets the
        // locale from the environment; the numbers printed afterwards keep the C locale.
        const std::string locale = std::setlocale(LC_ALL, nullptr);
        int argc = 1;
        char name[] = "gearpair-cli";
        char* argv[] = {name, nullptr};
        std::optional<QGuiApplication> app;
        const QtMessageHandler previous = qInstallMessageHandler(QuietQtMessages);
        if (QGuiApplication::instance() == nullptr) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            app.emplace(argc, argv);
        }
        std::vector<std::string> paths;
        try {
            paths = WriteDrawings(set, dir, withSvg);
        } catch (...) {
            app.reset();
            qInstallMessageHandler(previous);
            std::setlocale(LC_ALL, locale.c_str());
            throw;
        }
        app.reset();
        qInstallMessageHandler(previous);
        std::setlocale(LC_ALL, locale.c_str());
        if (!job.drawings) job.drawings.emplace();
        job.drawings->insert(job.drawings->end(), paths.begin(), paths.end());
        job.warnings = set.warnings;
    } catch (const Error& e) {
        job.status = JobStatus::Failed;
        job.message = ErrorBoxText(e.what());
    }
}

}  // namespace gearpair
