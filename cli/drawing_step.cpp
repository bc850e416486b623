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

// The application object the fonts of the PDF and SVG painters need, for the life of one
// write: Qt sets the locale from the environment, so the C locale of the numbers printed
// afterwards and the previous message handler are put back however the write ends.
class PaintingSession {
public:
    PaintingSession() : locale_(std::setlocale(LC_ALL, nullptr)) {
        previous_ = qInstallMessageHandler(QuietQtMessages);
        if (QGuiApplication::instance() == nullptr) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            app_.emplace(argc_, argv_);
        }
    }
    PaintingSession(const PaintingSession&) = delete;
    PaintingSession& operator=(const PaintingSession&) = delete;
    ~PaintingSession() {
        app_.reset();
        qInstallMessageHandler(previous_);
        std::setlocale(LC_ALL, locale_.c_str());
    }

private:
    std::string locale_;
    QtMessageHandler previous_ = nullptr;
    int argc_ = 1;
    char name_[13] = "gearpair-cli";
    char* argv_[2] = {name_, nullptr};
    std::optional<QGuiApplication> app_;
};

}  // namespace

void WriteJobDrawings(JobResult& job, const std::string& dir, bool withSvg) {
    if (job.status != JobStatus::Completed || !job.design || !job.sizes) return;
    try {
        MakeDirectories(dir);
        const DrawingSet set = BuildDrawings(*job.design, *job.sizes);
        std::vector<std::string> paths;
        {
            const PaintingSession painting;
            paths = WriteDrawings(set, dir, withSvg);
        }
        if (!job.drawings) job.drawings.emplace();
        job.drawings->insert(job.drawings->end(), paths.begin(), paths.end());
        job.warnings = set.warnings;
    } catch (const Error& e) {
        job.status = JobStatus::Failed;
        job.message = ErrorBoxText(e.what());
    }
}

}  // namespace gearpair
