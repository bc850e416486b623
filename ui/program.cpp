// Program start: the windows wired to each other and to the end of the program.
#include "ui/program.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>

#include "files/file_ops.h"

namespace gearpair {

Program::Program(const QString& executablePath)
    : formA_(session_, executablePath), formB_(session_), formD_(formB_, &formA_) {
    // Before the first window is shown: X11 takes the window class (WM_CLASS) from the
    // application name then, Wayland the application id from the desktop file's name.
    const QString entry = QString::fromLatin1(kDesktopEntryName);
    QCoreApplication::setApplicationName(entry);
    QGuiApplication::setDesktopFileName(entry);
    QIcon icon;
    for (const char* size : {"48", "128"}) {
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(entry, QLatin1String(size)));
    }
    QApplication::setWindowIcon(icon);
    // A save into a pipe whose reader has gone, or beyond the file-size limit, is a file error
    // in a message box, not the end of the program.
    IgnoreWriteSignals(true);
    // Qt's catalogue of Debian's qt6-translations-l10n; without it Qt's texts stay English.
    if (qtTexts_.load(QStringLiteral("qt_ru"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts_);
    }
    formA_.SetResultWindows(formB_, formD_);
    formA_.SetDrawingWindow(drawings_);
    formA_.SetShaftsWindow(shafts_);
    // Closing the input form ends the program, whatever else is open; the results dialog's
    // OK ends it too.
    formB_.setAttribute(Qt::WA_QuitOnClose, false);
    drawings_.setAttribute(Qt::WA_QuitOnClose, false);
    shafts_.setAttribute(Qt::WA_QuitOnClose, false);
    QObject::connect(&formD_, &TFormD::DrawingsRequested, &drawings_,
                     [this] { drawings_.ShowBeside(formD_); });
    QObject::connect(&formD_, &TFormD::ShaftsRequested, &shafts_,
                     [this] { shafts_.ShowBeside(formD_); });
    QObject::connect(&formD_, &TFormD::EndProgramRequested, QCoreApplication::instance(),
                     &QCoreApplication::quit);
}

}  // namespace gearpair
