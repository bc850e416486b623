// Helpers of the window tests: the offscreen application, modal boxes answered by the test,
// and the three windows of a program session in a scratch program directory.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

#include "engine/gear_design.h"
#include "tests/temp_dir.h"
#include "ui/form_a.h"
#include "ui/form_b.h"
#include "ui/form_d.h"

// Failed comparisons of texts print the text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace gearpair {

// What a message box showed.
struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Runs `action` and answers every modal window it opens: message boxes are recorded, handed
// to `onBox` and confirmed with OK; any other dialog goes to `onDialog`, which must close it.
// A window still open after two seconds is closed, so that a fault fails the test instead of
// hanging it.
inline std::vector<ShownBox> AnswerModals(const std::function<void()>& action,
                                          const std::function<void(QDialog&)>& onDialog = {},
                                          const std::function<void(QMessageBox&)>& onBox = {}) {
    std::vector<ShownBox> shown;
    QElapsedTimer openFor;
    QWidget* current = nullptr;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != current) openFor.start();
        current = modal;
        // Answered once the window system has activated it, so that no activation of a
        // closed box arrives later and takes the focus from the form.
        if (!modal || (QApplication::activeWindow() != modal && openFor.elapsed() < 2000)) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            shown.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            if (onBox) onBox(*box);
            box->button(QMessageBox::Ok)->click();
        } else if (openFor.elapsed() > 2000) {
            ADD_FAILURE() << "modal window left open: " << modal->objectName().toStdString();
            modal->close();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && onDialog) {
            onDialog(*dialog);
        }
    });
    timer.start();
    action();
    // Let deferred validations run, with their boxes answered too.
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    return shown;
}

// Types `text` into `widget` key by key; unlike QTest::keyClicks it takes letters outside
// ASCII, as a Russian keyboard layout delivers them.
inline void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// The program's three windows in a scratch program directory, which is also the current
// directory for the duration of a test.
class ProgramWindows : public ::testing::Test {
protected:
    ProgramWindows()
        : formA(session, FilePath(QStringLiteral("gearpair"))),
          formB(session),
          formD(formB, &formA) {
        formA.SetResultWindows(formB, formD);
        previousDir = QDir::currentPath();
        QDir::setCurrent(DirPath());
    }
    ~ProgramWindows() override { QDir::setCurrent(previousDir); }

    void ShowInputForm() {
        formA.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&formA));
    }

    template <typename T>
    T* A(const char* name) {
        return formA.findChild<T*>(QString::fromLatin1(name));
    }

    QString DirPath() const { return QString::fromStdString(dir.Path().string()); }
    QString FilePath(const QString& name) const { return DirPath() + u'/' + name; }

    gearpair::testing::TempDir dir;
    GearSession session;
    TFormA formA;
    TFormB formB;
    TFormD formD;
    QString previousDir;
};

// The main of every window test program: Qt's offscreen platform, settings of the program's
// windows in a scratch directory of the test program instead of the user's, then the
// GoogleTest cases.
inline int RunWindowTests(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QTemporaryDir settings;
    if (!settings.isValid()) return 1;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope}) {
            QSettings::setPath(format, scope, settings.path());
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace gearpair
