// The details window.
#include "ui/form_b.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWindow>

#include <exception>

#include "engine/gear_design.h"
#include "files/file_ops.h"
#include "files/rtf_writer.h"
#include "ui/fonts.h"
#include "ui/message_box.h"

namespace gearpair {

namespace {

// The report is saved under its bare name, into the process's current directory.
constexpr char kReportFileName[] = "result.rtf";

// The window's size with its frame, pixels.
constexpr QSize kOuterSize{544, 375};

}  // namespace

TFormB::TFormB(GearSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("FormB"));
    setWindowTitle(QStringLiteral("Подробности расчёта"));
    setFont(FormFont(11));
    // Where the details window has always opened, off the centre where the other two sit.
    move(213, 125);
    // Until the window system reports the frame, the client area takes the whole size.
    resize(kOuterSize);

    rtf = new QTextEdit(this);
    rtf->setObjectName(QStringLiteral("rtf"));
    rtf->setFont(FormFont(19));
    rtf->setAcceptRichText(false);
    rtf->setLineWrapMode(QTextEdit::WidgetWidth);
    rtf->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = rtf->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    palette.setColor(QPalette::Text, palette.color(QPalette::WindowText));
    rtf->setPalette(palette);
    rtf->setContextMenuPolicy(Qt::CustomContextMenu);

    MemoF = new QPlainTextEdit(this);
    MemoF->setObjectName(QStringLiteral("MemoF"));
    MemoF->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoF->setFixedHeight(0);  // docked along the bottom, never seen

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(rtf, 1);
    layout->addWidget(MemoF);
    setTabOrder(rtf, MemoF);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    Close1 = PopupMenu1->addAction(QStringLiteral("Close"), this, &TFormB::Close1Click);
    Close1->setObjectName(QStringLiteral("Close1"));
    Maximize1 = PopupMenu1->addAction(QStringLiteral("Maximize"), this, &TFormB::Maximize1Click);
    Maximize1->setObjectName(QStringLiteral("Maximize1"));
    Save1 = PopupMenu1->addAction(QStringLiteral("Save"), this, &TFormB::Save1Click);
    Save1->setObjectName(QStringLiteral("Save1"));
    connect(rtf, &QWidget::customContextMenuRequested, this, &TFormB::rtfContextMenu);
}

void TFormB::ShowReport() {
    QStringList lines;
    for (const std::string& line : session_.report.Lines()) lines << QString::fromStdString(line);
    rtf->setPlainText(lines.join(QLatin1Char('\n')));
    rtf->document()->setModified(false);
    MemoF->setPlainText(QString::fromStdString(session_.handoffList));
}

void TFormB::TakeEdits() {
    if (!rtf->document()->isModified()) return;
    session_.report.Clear();
    for (const std::string& line : ReportLines()) session_.report.Add(line);
    rtf->document()->setModified(false);
}

std::vector<std::string> TFormB::ReportLines() const {
    std::vector<std::string> lines;
    const QTextDocument* document = rtf->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        lines.push_back(block.text().toStdString());
    }
    return lines;
}

void TFormB::ShowInFront() {
    show();
    raise();
    activateWindow();
}

void TFormB::Close1Click() {
    close();
}

void TFormB::Maximize1Click() {
    showMaximized();
}

void TFormB::Save1Click() {
    try {
        ReplaceFileAtomically(kReportFileName, ReportToRtf(ReportLines()), kReportFileName);
    } catch (const std::exception& error) {
        ShowErrorBox(this, error.what());
    }
}

bool TFormB::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
        // The frame is known once the window manager has framed the window, which some report
        // only after the window has been shown.
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowActivate:
            FitOuterSize();
            break;
        default:
            break;
    }
    return handled;
}

void TFormB::FitOuterSize() {
    if (outerSizeFitted_ || !windowHandle() || (windowState() & ~Qt::WindowActive)) return;
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull()) return;
    // Once only: later the size is the user's.
    outerSizeFitted_ = true;
    resize(kOuterSize.shrunkBy(frame));
}

void TFormB::rtfContextMenu(const QPoint& position) {
    PopupMenu1->popup(rtf->viewport()->mapToGlobal(position));
}

}  // namespace gearpair
