#include "PlotDlg.h"

#include "AboutDlg.h"
#include "ClassicLook.h"
#include "DialogBuilder.h"
#include "IconPlacement.h"
#include "platform/AppIcon.h"
#include "platform/FileChoice.h"
#include "platform/FileDrop.h"
#include "platform/PlotArea.h"
#include "platform/PlotViewControl.h"
#include "res/Resource.h"
#include "res/StringTable.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTimerEvent>
#include <QUrl>

namespace {

std::optional<QString> chooseWithQtDialog(const QString& title) {
    QFileDialog dialog(nullptr, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name of a file that does not exist yet is accepted too.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setNameFilters(MeasurementNameFilters());
    dialog.selectNameFilter(QStringLiteral("FILE(*.txt)"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

// A face with the CJK glyphs of the missing-file warning, behind the box's own face.
const QString kCjkFallbackFace = QStringLiteral("WenQuanYi Micro Hei");

void warnWithQtBox(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Ok, parent);
    QFont font = box.font();
    font.setFamilies({font.family(), kCjkFallbackFace});
    box.setFont(font);
    box.exec();
}

} // namespace

CPlotDlg::CPlotDlg(QWidget* parent)
    : QDialog(parent), m_hIcon(MainFrameIcon()), chooser_(chooseWithQtDialog),
      warningBox_([this](const QString& caption, const QString& text) {
          warnWithQtBox(this, caption, text);
      }) {
    // A sizing border and a minimize box, no maximize box.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setAcceptDrops(true);
    BuildDialog(*this, kMainDialog, [](const ControlTemplate& control) -> QWidget* {
        return control.id == IDC_PLOT ? new PlotArea : nullptr;
    });
    connect(qobject_cast<QPushButton*>(GetDlgItem(*this, IDC_OPEN)), &QPushButton::clicked, this,
            &CPlotDlg::OnOpen);
    plotView_ = std::make_unique<PlotViewControl>(std::make_unique<ClassicLook>(), *plotArea(),
                                                  [this] { showLastReading(); });
    shown_ = std::make_unique<ShownFiles>([this] {
        // Queued to this window's thread; should the news be lost, the next tick takes it.
        QMetaObject::invokeMethod(this, &CPlotDlg::takeReading, Qt::QueuedConnection);
    });
}

// The reading thread goes first, stopping its read, while everything it reports to exists.
CPlotDlg::~CPlotDlg() {
    shown_.reset();
}

PlotArea* CPlotDlg::plotArea() const {
    return qobject_cast<PlotArea*>(GetDlgItem(*this, IDC_PLOT));
}

int CPlotDlg::DoModal() {
    OnInitDialog();
    if (auto* plus = qobject_cast<QCheckBox*>(GetDlgItem(*this, IDC_PLUS)))
        plus->setChecked(startPlus_);
    plotView_->setEqualScales(startEqual_);
    plotView_->setDiagram(startBode_ ? Diagram::Bode : Diagram::Nyquist);
    if (startFile_) {
        // Once the dialog is up, so a warning stands over it.
        QTimer::singleShot(0, this, [this] {
            AcceptChosenFile(*startFile_);
            OnTimer(RELOAD_TIMER_ID);
        });
    }
    return exec();
}

void CPlotDlg::OpenOnStart(std::optional<std::string> path, bool plusTicked, bool equalScales,
                           bool bode) {
    startFile_ = std::move(path);
    startPlus_ = plusTicked;
    startEqual_ = equalScales;
    startBode_ = bode;
}

bool CPlotDlg::OnInitDialog() {
    systemMenu_ = new QMenu(this);
    const struct {
        const char* text;
        unsigned command;
    } windowCommands[] = {
        {"&Restore", SC_RESTORE}, {"Mi&nimize", SC_MINIMIZE}, {"&Close", SC_CLOSE}};
    for (const auto& [text, command] : windowCommands)
        systemMenu_->addAction(QString::fromUtf8(text))->setData(command);
    const QString about = QString::fromUtf8(LoadResourceString(IDS_ABOUTBOX));
    if (!about.isEmpty()) {
        systemMenu_->addSeparator();
        systemMenu_->addAction(about)->setData(IDM_ABOUTBOX);
    }
    connect(systemMenu_, &QMenu::triggered, this,
            [this](QAction* action) { OnSysCommand(action->data().toUInt(), 0); });

    setWindowIcon(m_hIcon);

    reloadTimer_.start(RELOAD_PERIOD_MS, this);
    return true;
}

void CPlotDlg::OnSysCommand(unsigned id, long) {
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        // The main window owns the About box, which centres over it.
        CAboutDlg about(this);
        about.DoModal();
        return;
    }
    switch (id & 0xFFF0) {
    case SC_CLOSE:
        reject();
        break;
    case SC_MINIMIZE:
        showMinimized();
        break;
    case SC_RESTORE:
        showNormal();
        break;
    default:
        break;
    }
}

void CPlotDlg::OnTimer(unsigned) {
    const auto* plus = qobject_cast<QCheckBox*>(GetDlgItem(*this, IDC_PLUS));
    const bool plusTicked = plus != nullptr && plus->isChecked();
    if (reload_) {
        showRead(pathName_, reload_(pathName_), plusTicked);
        return;
    }
    // The "+" box counts as it stood when the read began.
    if (shown_->TickUnderWay())
        return;
    plusOfRead_ = plusTicked;
    shown_->Show({pathName_});
    shown_->Tick();
}

void CPlotDlg::finishReading() {
    if (shown_->Finish())
        showReading();
}

void CPlotDlg::takeReading() {
    if (shown_->Take())
        showReading();
}

void CPlotDlg::showReading() {
    const ShownFiles::File& file = shown_->Files().front();
    // A file gone for now leaves what was read of it in every view and every saved picture
    // until it returns.
    if (file.latestKept)
        return;
    showRead(file.path, *file.latest, plusOfRead_);
}

void CPlotDlg::showRead(const std::string& path, const ReadResult& result, bool plusTicked) {
    plotView_->takeSeries(result.series, result.format, plusTicked);
    if (result.failed())
        report_.show(this, path, result);
    else if (result.found && !result.stopped && result.series)
        plotView_->draw();
}

void CPlotDlg::showLastReading() {
    const auto& files = shown_->Files();
    const ReadResult* last =
        files.empty() || !files.front().latest ? nullptr : &*files.front().latest;
    if (shown_->TickUnderWay() || reload_ || !last || last->failed()) {
        OnTimer(RELOAD_TIMER_ID);
        return;
    }
    showRead(files.front().path, *last, plusOfRead_);
}

void CPlotDlg::OnOpen() {
    const std::string programPath =
        QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString();
    const std::string directory = ProgramDirectory(programPath);
    UpdateData(true);
    const QString title = DisplayPath(FileDialogTitle(directory));
    // The previous choice stays in force while the dialog is open: ticks go on with it.
    const std::optional<QString> chosen = chooser_(title);
    if (chosen)
        AcceptChosenName(*chosen);
}

void CPlotDlg::AcceptChosenName(const QString& name) {
    if (const auto path = FileSystemPath(name)) {
        AcceptChosenFile(*path);
        return;
    }
    warningBox_(QCoreApplication::applicationName(),
                QStringLiteral("Cannot open %1: its name is not valid UTF-8 and does not match "
                               "exactly one file in its folder.")
                    .arg(name));
}

void CPlotDlg::AcceptChosenFile(const std::string& chosen) {
    // The old file's diagram must not stand under the new file's name.
    if (chosen != pathName_) {
        plotView_->newFile();
        shown_->Show({chosen});
    }
    pathName_ = chosen;
    fileName_ = FileNameOf(chosen);
    if (!AnythingExistsAt(pathName_))
        warningBox_(QCoreApplication::applicationName(),
                    QStringLiteral("无法找到文件：") + DisplayPath(fileName_));
    if (auto* path = qobject_cast<QLineEdit*>(GetDlgItem(*this, IDC_PATH)))
        path->setText(DisplayPath(pathName_));
    setWindowTitle(DisplayPath(fileName_));
    UpdateData(false);
}

void CPlotDlg::dragEnterEvent(QDragEnterEvent* event) {
    AcceptAsCopyOrLink(*event);
}

void CPlotDlg::dragMoveEvent(QDragMoveEvent* event) {
    AcceptAsCopyOrLink(*event);
}

void CPlotDlg::dropEvent(QDropEvent* event) {
    if (AcceptAsCopyOrLink(*event))
        AcceptChosenFile(DroppedPath(event->mimeData()->urls().front()));
}

void CPlotDlg::timerEvent(QTimerEvent* event) {
    if (event->timerId() == reloadTimer_.timerId())
        OnTimer(RELOAD_TIMER_ID);
    else
        QDialog::timerEvent(event);
}

void CPlotDlg::contextMenuEvent(QContextMenuEvent* event) {
    // The window menu belongs to the window manager here; the dialog's free area offers
    // the same commands.
    if (systemMenu_ != nullptr && childAt(event->pos()) == nullptr)
        systemMenu_->exec(event->globalPos());
}

void CPlotDlg::paintEvent(QPaintEvent* event) {
    if (!isMinimized()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const int extent = style()->pixelMetric(QStyle::PM_LargeIconSize);
    const IconOrigin origin = CenteredIconOrigin(width(), height(), extent, extent);
    painter.drawPixmap(origin.x, origin.y, m_hIcon.pixmap(extent, extent));
}
