#include "MainWindow.h"

#include "DataExport.h"
#include "FileChoice.h"
#include "FileDrop.h"
#include "LocaleNumbers.h"
#include "PlotViewControl.h"
#include "measurement/Format.h"
#include "platform/AppIcon.h"
#include "platform/PlotArea.h"
#include "platform/PlotKeys.h"
#include "res/Version.h"
#include "source/FolderWatch.h"
#include "source/ReadingThread.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTimerEvent>
#include <QToolBar>
#include <QUrl>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

constexpr int kReadEveryMs = 2000;

QStringList chooseWithFileDialog(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, MainWindow::tr("Open measurement files"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Several may be chosen to overlay; a file yet to appear is typed into the path field.
    dialog.setFileMode(QFileDialog::ExistingFiles);
    const QString measurements = MainWindow::tr("Measurement files (%1)")
                                     .arg(QString::fromLatin1(MeasurementFilePatterns()));
    dialog.setNameFilters({measurements, MainWindow::tr("All files (*)")});
    dialog.selectNameFilter(measurements);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

std::optional<QString> askForExportPath(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, MainWindow::tr("Export data"), suggested);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({MainWindow::tr("CSV files (*.csv)"), MainWindow::tr("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

QString folderOf(const std::string& path) {
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).absolutePath();
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<QSettings> store, double fontPt, QWidget* parent)
    : QMainWindow(parent), store_(std::move(store)), plot_(new PlotArea(this)),
      path_(new QLineEdit(this)), statusLine_(new QLabel(this)),
      chooser_([this](const QString& folder) { return chooseWithFileDialog(this, folder); }),
      folderChooser_([this](const QString& folder) -> std::optional<QString> {
          const QString chosen =
              QFileDialog::getExistingDirectory(this, tr("Follow folder"), folder);
          return chosen.isEmpty() ? std::nullopt : std::optional(chosen);
      }),
      exportChooser_(
          [this](const QString& suggested) { return askForExportPath(this, suggested); }) {
    if (store_)
        settings_ = LoadWindowSettings(*store_);
    setWindowTitle(QStringLiteral("Korvane"));
    setWindowIcon(MainFrameIcon());
    setAcceptDrops(true);
    resize(900, 640);
    if (!settings_.geometry.isEmpty())
        restoreGeometry(settings_.geometry);

    plot_->setPlaceholder(tr("Open a measurement file (Ctrl+O) or drop one here."));
    plot_->setFocusPolicy(Qt::StrongFocus);
    plot_->setAccessibleName(tr("Plot"));
    setCentralWidget(plot_);
    path_->setAccessibleName(tr("Path of the measurement file"));
    path_->setPlaceholderText(tr("Path of a measurement file"));
    connect(path_, &QLineEdit::returnPressed, this, &MainWindow::openTypedPath);
    statusLine_->setAccessibleName(tr("Status"));
    statusBar()->addWidget(statusLine_, 1);

    view_ = std::make_unique<PlotViewControl>(nullptr, *plot_, [this] { redraw(); });
    view_->setFontSize(fontPt);
    view_->setNumberStyle(LocaleNumbers(locale()));
    new PlotKeys(plot_, {[this](QPoint at, double notches) { view_->zoomAt(at, notches); },
                         [this](QPoint by) { view_->panBy(by); }, [this] { view_->resetView(); }});
    plot_->setResizedHandler([this] { redraw(); });
    buildMenus();
    view_->setDiagram(settings_.bode ? Diagram::Bode : Diagram::Nyquist);
    view_->setEqualScales(settings_.equalScales);
    view_->setSweeps(static_cast<SweepsShown>(settings_.sweeps));
    command("startAtZero")->setChecked(settings_.startAtZero);

    reading_ = std::make_unique<ReadingThread>([this] {
        // Queued to this window's thread; should the news be lost, the next tick takes it.
        QMetaObject::invokeMethod(this, &MainWindow::takeReading, Qt::QueuedConnection);
    });
    timer_.start(kReadEveryMs, this);
    showStatus();
}

// The reading thread goes first, stopping its read, while everything it reports to exists.
MainWindow::~MainWindow() {
    reading_.reset();
}

QAction* MainWindow::addCommand(QMenu* menu, const char* name, const QString& text,
                                const QKeySequence& keys, const QString& icon,
                                std::function<void()> run) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    if (!icon.isEmpty())
        action->setIcon(QIcon::fromTheme(icon));
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    menu->addAction(action);
    return action;
}

void MainWindow::addChoice(QMenu* menu, QActionGroup* group, const QString& name,
                           const QString& text, bool chosen, std::function<void()> choose) {
    QAction* entry = group->addAction(text);
    entry->setObjectName(name);
    entry->setCheckable(true);
    entry->setChecked(chosen);
    connect(entry, &QAction::toggled, this, [choose = std::move(choose)](bool on) {
        if (on)
            choose();
    });
    menu->addAction(entry);
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    QAction* open = addCommand(file, "open", tr("&Open\u2026"), QKeySequence::Open,
                               QStringLiteral("document-open"), [this] { chooseFiles(false); });
    recentMenu_ = file->addMenu(tr("Open &Recent"));
    refreshRecentMenu();
    addCommand(file, "addFile", tr("&Add File…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
               QStringLiteral("list-add"), [this] { chooseFiles(true); });
    removeMenu_ = file->addMenu(tr("Re&move File"));
    removeMenu_->setObjectName(QStringLiteral("removeFile"));
    addCommand(file, "followFolder", tr("&Follow Folder\u2026"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), QStringLiteral("folder-open"),
               [this] { chooseFolder(); });
    addCommand(file, "closeAll", tr("&Close All"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W),
               QStringLiteral("window-close"), [this] { closeAll(); });
    refreshRemoveMenu();
    QAction* save = addCommand(file, "savePicture", tr("&Save Picture\u2026"), QKeySequence::Save,
                               QStringLiteral("document-save"), [this] { plot_->savePicture(); });
    addCommand(file, "exportData", tr("&Export Data\u2026"), QKeySequence(Qt::CTRL | Qt::Key_E),
               QStringLiteral("document-export"), [this] { exportData(); });
    file->addSeparator();
    addCommand(file, "quit", tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
               QStringLiteral("application-exit"), [this] { close(); });

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    QAction* copy = addCommand(edit, "copyPicture", tr("&Copy Picture"), QKeySequence::Copy,
                               QStringLiteral("edit-copy"), [this] { plot_->copyPicture(); });

    // The plot's own context menu holds the same diagram commands, so both stay in step.
    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* nyquist = view_->nyquistAction();
    QAction* bode = view_->bodeAction();
    nyquist->setObjectName(QStringLiteral("nyquist"));
    bode->setObjectName(QStringLiteral("bode"));
    nyquist->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    bode->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    view->addAction(nyquist);
    view->addAction(bode);
    view->addSeparator();
    QAction* equal = view_->equalScalesAction();
    equal->setObjectName(QStringLiteral("equalScales"));
    view->addAction(equal);
    auto* zero = new QAction(tr("Start \u2212Z\u2033 at &Zero"), this);
    zero->setObjectName(QStringLiteral("startAtZero"));
    zero->setCheckable(true);
    connect(zero, &QAction::toggled, this, [this](bool on) {
        startAtZero_ = on;
        redraw();
    });
    view->addAction(zero);
    QMenu* sweeps = view->addMenu(tr("S&weeps"));
    auto* sweepChoices = new QActionGroup(sweeps);
    const std::pair<const char*, QString> sweepEntries[] = {{"allSweeps", tr("&All")},
                                                            {"lastSweep", tr("&Last Only")},
                                                            {"lastFiveSweeps", tr("Last &5")}};
    for (int i = 0; i < 3; ++i)
        addChoice(sweeps, sweepChoices, sweepEntries[i].first, sweepEntries[i].second,
                  i == settings_.sweeps,
                  [this, i] { view_->setSweeps(static_cast<SweepsShown>(i)); });
    QMenu* lastFiles = view->addMenu(tr("Last &N Files"));
    auto* lastFilesChoices = new QActionGroup(lastFiles);
    for (const int count : {1, 3, 5, 10})
        addChoice(lastFiles, lastFilesChoices, QStringLiteral("last%1Files").arg(count),
                  QString::number(count), count == settings_.lastFiles, [this, count] {
                      settings_.lastFiles = count;
                      tick();
                  });
    view->addSeparator();
    QAction* reset = view_->resetViewAction();
    reset->setObjectName(QStringLiteral("resetView"));
    reset->setShortcut(QKeySequence(Qt::Key_Home));
    reset->setIcon(QIcon::fromTheme(QStringLiteral("zoom-original")));
    view->addAction(reset);
    const auto zoomBy = [this](double notches) { view_->zoomAt(plot_->rect().center(), notches); };
    QAction* zoomIn = addCommand(view, "zoomIn", tr("Zoom &In"), QKeySequence(Qt::Key_Plus),
                                 QStringLiteral("zoom-in"), [zoomBy] { zoomBy(1); });
    zoomIn->setShortcuts({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal)});
    QAction* zoomOut = addCommand(view, "zoomOut", tr("Zoom &Out"), QKeySequence(Qt::Key_Minus),
                                  QStringLiteral("zoom-out"), [zoomBy] { zoomBy(-1); });

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    addCommand(help, "about", tr("&About Korvane"), QKeySequence(), QStringLiteral("help-about"),
               [this] { showAbout(); });

    QToolBar* tools = addToolBar(tr("Main"));
    tools->setObjectName(QStringLiteral("mainToolBar"));
    tools->setMovable(false);
    tools->addActions({open, save, copy});
    tools->addSeparator();
    tools->addActions({nyquist, bode, equal});
    tools->addSeparator();
    tools->addActions({zoomIn, zoomOut, reset});
    // The path gets a row of its own, as wide as the window.
    addToolBarBreak();
    QToolBar* location = addToolBar(tr("Path"));
    location->setObjectName(QStringLiteral("pathToolBar"));
    location->setMovable(false);
    location->addWidget(path_);
}

QAction* MainWindow::command(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

QString MainWindow::statusText() const {
    return statusLine_->text();
}

void MainWindow::startWith(bool startAtZero, bool equalScales, bool bode) {
    if (startAtZero)
        command("startAtZero")->setChecked(true);
    if (equalScales)
        view_->setEqualScales(true);
    if (bode)
        view_->setDiagram(Diagram::Bode);
}

QString MainWindow::startFolder() const {
    const QString folder = file_.empty() ? settings_.lastFolder : folderOf(file_);
    return folder.isEmpty() || !QFileInfo(folder).isDir() ? QDir::homePath() : folder;
}

void MainWindow::chooseFiles(bool add) {
    std::vector<std::string> paths;
    for (const QString& chosen : chooser_(startFolder()))
        if (const auto path = FileSystemPath(chosen))
            paths.push_back(*path);
    if (add) {
        for (const std::string& path : paths)
            addFile(path);
    } else if (!paths.empty()) {
        openFiles(paths);
    }
}

std::vector<std::string> MainWindow::shownPaths() const {
    std::vector<std::string> paths;
    if (!file_.empty())
        paths.push_back(file_);
    for (const Overlaid& other : overlay_)
        paths.push_back(other.path);
    return paths;
}

void MainWindow::openFiles(const std::vector<std::string>& paths) {
    if (paths.empty())
        return;
    openFile(paths.front());
    addFiles({paths.begin() + 1, paths.end()});
}

void MainWindow::addFile(const std::string& path) {
    if (file_.empty())
        openFile(path);
    else
        addFiles({path});
}

void MainWindow::addFiles(const std::vector<std::string>& paths) {
    bool added = false;
    for (const std::string& path : paths) {
        const std::vector<std::string> shown = shownPaths();
        if (std::find(shown.begin(), shown.end(), path) != shown.end())
            continue;
        overlay_.push_back({path, std::nullopt});
        settings_.recentFiles = WithRecentFile(settings_.recentFiles, DisplayPath(path));
        added = true;
    }
    if (!added)
        return;
    refreshRecentMenu();
    refreshRemoveMenu();
    showTitle();
    showStatus();
    // Every file is read in the same tick: the read under way starts again with this one.
    reading_->Cancel();
    tick();
}

void MainWindow::removeFile(const std::string& path) {
    if (path == file_) {
        std::vector<std::string> rest = shownPaths();
        rest.erase(rest.begin());
        closeAll();
        openFiles(rest);
        return;
    }
    std::erase_if(overlay_, [&path](const Overlaid& other) { return other.path == path; });
    refreshRemoveMenu();
    showTitle();
    showStatus();
    redraw();
    reading_->Cancel();
    tick();
}

void MainWindow::closeAll() {
    folder_.reset();
    switchedTo_.clear();
    reading_->Cancel();
    file_.clear();
    overlay_.clear();
    lastRead_.reset();
    view_->newFile();
    path_->clear();
    status_ = {};
    refreshRemoveMenu();
    showTitle();
    showStatus();
}

void MainWindow::showTitle() {
    if (file_.empty()) {
        setWindowTitle(QStringLiteral("Korvane"));
        return;
    }
    const QString name = DisplayPath(FileNameOf(file_));
    setWindowTitle(overlay_.empty()
                       ? tr("%1 \u2014 Korvane").arg(name)
                       : tr("%1 and %2 more \u2014 Korvane").arg(name).arg(overlay_.size()));
}

void MainWindow::refreshRemoveMenu() {
    if (removeMenu_ == nullptr)
        return;
    removeMenu_->clear();
    for (const std::string& path : shownPaths())
        removeMenu_->addAction(DisplayPath(FileNameOf(path)), this,
                               [this, path] { removeFile(path); });
    removeMenu_->setEnabled(!file_.empty());
    if (QAction* closeAllCommand = command("closeAll"))
        closeAllCommand->setEnabled(!file_.empty());
}

void MainWindow::exportData() {
    if (file_.empty())
        return;
    const QFileInfo measurement(QFile::decodeName(QByteArray::fromStdString(file_)));
    const auto chosen = exportChooser_(measurement.absoluteDir().filePath(
        measurement.completeBaseName() + QStringLiteral(".csv")));
    if (!chosen)
        return;
    if (const auto problem = ExportData(file_, QFile::encodeName(*chosen).toStdString()))
        QMessageBox::warning(this, tr("Export Data"), *problem);
}

void MainWindow::openTypedPath() {
    const QString typed = path_->text().trimmed();
    if (typed.isEmpty())
        return;
    if (const auto path = FileSystemPath(QDir::cleanPath(typed)))
        openFile(*path);
}

void MainWindow::openRecent(const QString& path) {
    if (const auto bytes = FileSystemPath(path))
        openFile(*bytes);
}

void MainWindow::refreshRecentMenu() {
    recentMenu_->clear();
    for (const QString& path : settings_.recentFiles)
        recentMenu_->addAction(path, this, [this, path] { openRecent(path); });
    recentMenu_->addSeparator();
    QAction* clear = recentMenu_->addAction(tr("&Clear"), this, [this] {
        settings_.recentFiles.clear();
        refreshRecentMenu();
    });
    clear->setObjectName(QStringLiteral("clearRecent"));
    clear->setEnabled(!settings_.recentFiles.isEmpty());
    recentMenu_->setEnabled(true);
}

void MainWindow::chooseFolder() {
    if (const auto chosen = folderChooser_(startFolder()))
        if (const auto folder = FileSystemPath(*chosen))
            followFolder(*folder);
}

void MainWindow::followFolder(const std::string& folder) {
    closeAll();
    folder_ = std::make_unique<FolderWatch>(folder);
    path_->setText(DisplayPath(folder));
    settings_.lastFolder = DisplayPath(folder);
    tick();
}

// The folder's newest files, shown in place of those shown when they differ; true when they
// did, and the files were opened and their read started.
bool MainWindow::adoptNewest() {
    const std::vector<std::string> newest =
        folder_->Newest(static_cast<std::size_t>(settings_.lastFiles));
    // An empty or unlistable folder leaves what is shown; the status line says why.
    if (newest.empty() || newest == shownPaths())
        return false;
    if (!file_.empty() && newest.front() != file_) {
        switchedTo_ = DisplayPath(FileNameOf(newest.front()));
        switchedAt_ = QTime::currentTime();
    }
    adopting_ = true;
    openFiles(newest);
    adopting_ = false;
    return true;
}

void MainWindow::openFile(const std::string& path) {
    // A file chosen by hand ends the following of a folder.
    if (!adopting_) {
        folder_.reset();
        switchedTo_.clear();
    }
    // The old file's diagram must not stand under the new file's name.
    if (path != file_ || !overlay_.empty()) {
        view_->newFile();
        lastRead_.reset();
        overlay_.clear();
        reading_->Cancel();
    }
    file_ = path;
    const QString shown = DisplayPath(path);
    path_->setText(shown);
    const QString name = DisplayPath(FileNameOf(path));
    showTitle();
    refreshRemoveMenu();
    settings_.lastFolder = folderOf(path);
    settings_.recentFiles = WithRecentFile(settings_.recentFiles, shown);
    refreshRecentMenu();
    // Kept at once: a window that never closes normally still remembers the file.
    saveSettings();
    status_ = {};
    status_.name = name;
    status_.state = FileStatus::State::Waiting;
    showStatus();
    tick();
}

void MainWindow::tick() {
    if (ticking_)
        return;
    if (folder_ && !adopting_ && adoptNewest())
        return;
    if (file_.empty()) {
        showStatus();
        return;
    }
    const std::vector<std::string> paths = shownPaths();
    if (!reading_->Start(paths)) {
        // A result whose news went astray: take it now, and read again at the next tick.
        takeReading();
        return;
    }
    ticking_ = true;
    pathsOfRead_ = paths;
}

void MainWindow::finishReading() {
    reading_->Wait();
    takeReading();
}

void MainWindow::takeReading() {
    std::optional<std::vector<ReadResult>> results = reading_->TakeAll();
    if (!results)
        return;
    ticking_ = false;
    // A read of files that are no longer the chosen ones shows nothing; the chosen ones are
    // read at once.
    if (pathsOfRead_ != shownPaths() || results->empty() || results->front().stopped) {
        tick();
        return;
    }
    // A file of the overlay that is gone or failed keeps what was read of it.
    for (size_t i = 1; i < results->size(); ++i) {
        ReadResult& other = (*results)[i];
        if (other.found && other.series && !other.failure)
            overlay_[i - 1].lastRead = std::move(other);
    }
    std::optional<ReadResult> result = std::move(results->front());
    if (result->failure) {
        status_.state = FileStatus::State::Unreadable;
        status_.reason = result->failure->reason.empty()
                             ? QString::fromLocal8Bit(std::strerror(result->failure->osError))
                             : QString::fromStdString(result->failure->reason);
    } else if (!result->found) {
        if (AnythingExistsAt(file_)) {
            status_.state = FileStatus::State::Unreadable;
            status_.reason = WhyUnreadable(file_);
        } else {
            status_.state = lastRead_ ? FileStatus::State::Gone : FileStatus::State::Waiting;
        }
    } else if (result->series) {
        lastRead_ = std::move(result);
        status_.state = FileStatus::State::Read;
        status_.format = FormatTitle(lastRead_->format);
        status_.points = lastRead_->series->measured();
        status_.readAt = QTime::currentTime();
        redraw();
    } else if (!overlay_.empty()) {
        redraw();
    }
    showStatus();
}

void MainWindow::redraw() {
    if (!lastRead_ || !lastRead_->series)
        return;
    // A file with no points yet (its header only, say) says so rather than show empty axes.
    if (lastRead_->series->measured() == 0) {
        plot_->clearPicture();
        return;
    }
    view_->takeSeries(lastRead_->series, lastRead_->format, startAtZero_);
    std::vector<ShownFile> files;
    if (!overlay_.empty()) {
        files.push_back({lastRead_->series, DisplayPath(FileNameOf(file_)).toStdString()});
        for (const Overlaid& other : overlay_)
            files.push_back({other.lastRead ? other.lastRead->series : nullptr,
                             DisplayPath(FileNameOf(other.path)).toStdString()});
    }
    view_->setOverlay(std::move(files));
    view_->drawModern();
}

void MainWindow::showStatus() {
    if (file_.empty())
        status_.state = FileStatus::State::NoFile;
    QString line = StatusLine(status_, LocaleNumbers(locale()));
    if (overlay_.size() == 1)
        line += tr(" \u00b7 and 1 more file");
    else if (!overlay_.empty())
        line += tr(" \u00b7 and %1 more files").arg(overlay_.size());
    if (folder_ && file_.empty()) {
        const QString folder = DisplayPath(folder_->Folder());
        line = folder_->Error() != 0
                   ? tr("Cannot read %1: %2")
                         .arg(folder, QString::fromLocal8Bit(std::strerror(folder_->Error())))
                   : tr("Waiting for a measurement file in %1\u2026").arg(folder);
    } else if (!switchedTo_.isEmpty()) {
        line += tr(" \u00b7 switched to %1 at %2")
                    .arg(switchedTo_, switchedAt_.toString(QStringLiteral("HH:mm:ss")));
    }
    statusLine_->setText(line);
    if (!plot_->hasPicture())
        plot_->setPlaceholder(status_.state == FileStatus::State::NoFile && !folder_
                                  ? tr("Open a measurement file (Ctrl+O) or drop one here.")
                                  : line);
}

void MainWindow::showAbout() {
    QMessageBox::about(
        this, tr("About Korvane"),
        tr("<p><b>Korvane %1</b></p>"
           "<p>Watches an impedance measurement file and draws it as a Nyquist or Bode "
           "diagram, read anew every 2 seconds while the instrument writes it.</p>"
           "<p>Reads files of %2.</p>"
           "<p>The <a href=\"%3\">README</a> tells how to use it.</p>"
           "<p>The example files in samples/ are Korvane's own. The instrument files among "
           "the tests keep their makers' licences: MIT (impedance.py, AutoEIS, Zahner, a "
           "PalmSens session), BSD-3-Clause (hybrid-drt, PalmSens) and CC-BY-4.0 (galvani); "
           "tests/measurement/samples/NOTICE.md holds every notice.</p>")
            .arg(QStringLiteral(KORVANE_VERSION),
                 tr("Gamry, BioLogic (also its .mpr while EC-Lab writes it), Zahner, ZView, "
                    "CH Instruments, Metrohm Nova and PalmSens, CSV and plain columns of "
                    "numbers"),
                 QUrl::fromLocalFile(QStringLiteral(KORVANE_README_PATH)).toString()));
}

void MainWindow::saveSettings() {
    if (!store_)
        return;
    settings_.geometry = saveGeometry();
    settings_.bode = view_->choices().diagram == Diagram::Bode;
    settings_.equalScales = view_->choices().equalScales;
    settings_.sweeps = static_cast<int>(view_->choices().sweeps);
    settings_.startAtZero = startAtZero_;
    SaveWindowSettings(*store_, settings_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    saveSettings();
    QMainWindow::closeEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // A desktop turned dark (or light) gets the picture in its colours at once.
    if (event->type() == QEvent::PaletteChange)
        redraw();
}

void MainWindow::timerEvent(QTimerEvent* event) {
    if (event->timerId() == timer_.timerId())
        tick();
    else
        QMainWindow::timerEvent(event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    AcceptAsCopyOrLink(*event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    AcceptAsCopyOrLink(*event);
}

void MainWindow::dropEvent(QDropEvent* event) {
    if (!AcceptAsCopyOrLink(*event))
        return;
    std::vector<std::string> paths;
    for (const QUrl& url : event->mimeData()->urls())
        paths.push_back(DroppedPath(url));
    openFiles(paths);
}
