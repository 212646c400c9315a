#include "MainWindow.h"

#include "AboutKorvane.h"
#include "FitPanels.h"
#include "GreyedEntryClicks.h"
#include "KkOptionsDialog.h"
#include "LocaleNumbers.h"
#include "PictureNames.h"
#include "SavePictureDialog.h"
#include "ShownStatus.h"
#include "StatusLabel.h"
#include "SweepChoiceDialog.h"
#include "WindowDialogs.h"
#include "platform/AppIcon.h"
#include "platform/FileChoice.h"
#include "platform/FileDrop.h"
#include "platform/PlotArea.h"
#include "platform/PlotKeys.h"
#include "platform/PlotViewControl.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimerEvent>
#include <QUrl>

#include <algorithm>
#include <filesystem>
#include <utility>

namespace {

constexpr int kReadEveryMs = 2000;

QString folderOf(const std::string& path) {
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).absolutePath();
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<QSettings> store, double fontPt, QWidget* parent)
    : QMainWindow(parent), store_(std::move(store)), plot_(new PlotArea(this)),
      path_(new QLineEdit(this)), statusLine_(new StatusLabel(this)),
      exportProgress_(new QLabel(this)), cancelExport_(new QPushButton(tr("Cancel"), this)),
      chooser_([this](const QString& folder) { return AskForMeasurementFiles(this, folder); }),
      folderChooser_([this](const QString& folder) { return AskForFolder(this, folder); }),
      exportChooser_(
          [this](const QString& suggested) { return AskForExportPath(this, suggested); }),
      pictureAsker_(
          [this](const PictureChoice& last,
                 const QString& suggested) -> std::optional<std::pair<PictureChoice, QString>> {
              SavePictureDialog dialog(this, last, suggested);
              if (dialog.exec() != QDialog::Accepted)
                  return std::nullopt;
              return std::pair(dialog.choice(), dialog.path());
          }),
      shown_([this] {
          // Queued to this window's thread; should the news be lost, the next tick takes it.
          QMetaObject::invokeMethod(this, &MainWindow::takeReading, Qt::QueuedConnection);
      }) {
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
    statusBar()->addPermanentWidget(exportProgress_);
    statusBar()->addPermanentWidget(cancelExport_);
    exportProgress_->hide();
    cancelExport_->hide();
    cancelExport_->setObjectName(QStringLiteral("cancelExport"));
    connect(cancelExport_, &QPushButton::clicked, this, [this] {
        if (export_)
            export_->Cancel();
    });

    view_ = std::make_unique<PlotViewControl>(ModernLook(), *plot_, [this] { redraw(); });
    view_->setFontSize(fontPt);
    view_->setNumberStyle(LocaleNumbers(locale()));
    new PlotKeys(plot_, {[this](QPoint at, double notches) { view_->zoomAt(at, notches); },
                         [this](QPoint by) { view_->panBy(by); }, [this] { view_->resetView(); }});
    plot_->setResizedHandler([this] { redraw(); });
    menus_ = BuildWindowMenus(*this, *view_, *path_, settings_, commands());
    refreshRecentMenu();
    // A file may go while the menu is closed: each showing looks again.
    connect(menus_.recent, &QMenu::aboutToShow, this, &MainWindow::refreshRecentMenu);
    new GreyedEntryClicks(*menus_.recent, [this](QAction* entry) {
        settings_.recentFiles.removeAll(entry->data().toString());
        refreshRecentMenu();
    });
    FillRemoveMenu(*menus_.remove, {}, {});
    command("closeAll")->setEnabled(false);
    view_->setDiagram(settings_.bode ? Diagram::Bode : Diagram::Nyquist);
    view_->setEqualScales(settings_.equalScales);
    if (settings_.sweeps == static_cast<int>(SweepsShown::Chosen))
        view_->setChosenSweeps(settings_.chosenSweeps);
    else
        view_->setSweeps(static_cast<SweepsShown>(settings_.sweeps));
    view_->setConnectPoints(settings_.connectPoints);
    view_->setMarkerSize(settings_.markerPt);
    command("startAtZero")->setChecked(settings_.startAtZero);
    shown_.SetFollowCount(static_cast<std::size_t>(settings_.lastFiles));
    shown_.SetKkOptions(settings_.kk);
    view_->setKkLimit(settings_.kk.limitPercent);
    view_->setResiduals(settings_.residuals);
    fitPanels_ = new FitPanels(*this, settings_.trendParameter, [this](const QString& parameter) {
        settings_.trendParameter = parameter;
        saveSettings();
    });
    AddFitMenus(*this, *fitPanels_, [this] {
        if (const auto chosen = AskForFitCircuit(this, {settings_.fitCircuit, settings_.fitWeight}))
            setFitSetting(*chosen);
    });
    shown_.SetFitChoice(ChoiceOf({settings_.fitCircuit, settings_.fitWeight}));

    timer_.start(kReadEveryMs, this);
    showStatus();
}

MainWindow::~MainWindow() = default;

WindowCommands MainWindow::commands() {
    WindowCommands c;
    c.chooseFiles = [this](bool add) { chooseFiles(add); };
    c.chooseFolder = [this] { chooseFolder(); };
    c.closeAll = [this] { closeAll(); };
    c.savePicture = [this] { savePicture(); };
    c.exportData = [this] { exportData(); };
    // A pinned readout is what the user points at: Ctrl+C takes its text.
    c.copyPicture = [this] {
        if (view_->pinnedReadout().isEmpty())
            plot_->copyPicture();
        else
            QGuiApplication::clipboard()->setText(view_->pinnedReadout());
    };
    c.about = [this] { ShowAboutKorvane(this); };
    c.startAtZero = [this](bool on) {
        startAtZero_ = on;
        redraw();
    };
    c.sweeps = [this](int shown) { view_->setSweeps(static_cast<SweepsShown>(shown)); };
    c.chooseSweeps = [this] { chooseSweeps(); };
    c.connectPoints = [this](bool on) {
        settings_.connectPoints = on;
        view_->setConnectPoints(on);
    };
    c.markerSize = [this](double points) {
        settings_.markerPt = points;
        view_->setMarkerSize(points);
    };
    c.lastFiles = [this](int count) {
        settings_.lastFiles = count;
        shown_.SetFollowCount(static_cast<std::size_t>(count));
        chosen();
    };
    c.zoom = [this](double notches) { view_->zoomAt(plot_->rect().center(), notches); };
    c.residuals = [this](bool on) {
        settings_.residuals = on;
        view_->setResiduals(on);
        redraw();
    };
    c.kkOptions = [this] {
        if (const auto chosen = AskForKkOptions(this, settings_.kk))
            setKkOptions(*chosen);
    };
    return c;
}

void MainWindow::setKkOptions(const KkOptions& options) {
    settings_.kk = options;
    shown_.SetKkOptions(options);
    view_->setKkLimit(options.limitPercent);
    saveSettings();
    tick();
}

void MainWindow::setFitSetting(const FitSetting& setting) {
    settings_.fitCircuit = setting.circuit;
    settings_.fitWeight = setting.weight;
    shown_.SetFitChoice(ChoiceOf(setting));
    saveSettings();
    tick();
}

QAction* MainWindow::command(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

QString MainWindow::statusText() const {
    return statusLine_->line();
}

void MainWindow::startWith(bool startAtZero, bool equalScales, bool bode) {
    if (startAtZero)
        command("startAtZero")->setChecked(true);
    if (equalScales)
        view_->setEqualScales(true);
    if (bode)
        view_->setDiagram(Diagram::Bode);
}

void MainWindow::startDrawing(bool lines, std::optional<double> markerPt) {
    if (lines) {
        command("connectPoints")->setChecked(true);
        settings_.connectPoints = true;
        view_->setConnectPoints(true);
    }
    if (markerPt) {
        settings_.markerPt = *markerPt;
        view_->setMarkerSize(*markerPt);
    }
}

void MainWindow::chooseSweeps() {
    const std::vector<ShownFiles::File>& files = shown_.Files();
    int count = 1;
    if (!files.empty() && files.front().shown && !files.front().shown->series->points().empty())
        count = files.front().shown->series->points().back().sweep;
    const auto chosen = AskForSweeps(this, count, view_->choices().chosenSweeps);
    if (chosen) {
        settings_.chosenSweeps = *chosen;
        view_->setChosenSweeps(*chosen);
    }
    // Cancelled, the menu shows again what is drawn.
    const char* const entries[] = {"allSweeps", "lastSweep", "lastFiveSweeps", "chooseSweeps"};
    command(entries[static_cast<int>(view_->choices().sweeps)])->setChecked(true);
}

void MainWindow::showConnectPoints(bool several) {
    if (view_->choices().connectPoints)
        return;
    QAction* connect = command("connectPoints");
    const QSignalBlocker quiet(connect);
    connect->setChecked(several);
}

QString MainWindow::startFolder() const {
    const QString folder = pathsShown_.empty() ? settings_.lastFolder : folderOf(pathsShown_[0]);
    return folder.isEmpty() || !QFileInfo(folder).isDir() ? QDir::homePath() : folder;
}

void MainWindow::chooseFiles(bool add) {
    std::vector<std::string> paths;
    for (const QString& chosen : chooser_(startFolder()))
        if (const auto path = FileSystemPath(chosen))
            paths.push_back(*path);
    if (add) {
        shown_.Add(paths);
        chosen();
    } else if (!paths.empty()) {
        openFiles(paths);
    }
}

void MainWindow::openFile(const std::string& path) {
    openFiles({path});
}

void MainWindow::openFiles(const std::vector<std::string>& paths) {
    if (paths.empty())
        return;
    shown_.Show(paths);
    chosen();
}

void MainWindow::addFile(const std::string& path) {
    shown_.Add({path});
    chosen();
}

void MainWindow::removeFile(const std::string& path) {
    shown_.Remove(path);
    chosen();
}

void MainWindow::closeAll() {
    shown_.Clear();
    chosen();
}

void MainWindow::chooseFolder() {
    if (const auto chosen = folderChooser_(startFolder()))
        if (const auto folder = FileSystemPath(*chosen))
            followFolder(*folder);
}

void MainWindow::followFolder(const std::string& folder) {
    settings_.lastFolder = DisplayPath(folder);
    shown_.Follow(folder, static_cast<std::size_t>(settings_.lastFiles));
    chosen();
}

void MainWindow::exportData() {
    if (pathsShown_.empty() || export_)
        return;
    const std::string& file = pathsShown_.front();
    const QFileInfo measurement(QFile::decodeName(QByteArray::fromStdString(file)));
    const auto chosen = exportChooser_(measurement.absoluteDir().filePath(
        measurement.completeBaseName() + QStringLiteral(".csv")));
    if (!chosen)
        return;
    exportName_ = QFileInfo(*chosen).fileName();
    export_ = std::make_unique<ExportJob>(file, QFile::encodeName(*chosen).toStdString(), [this] {
        QMetaObject::invokeMethod(this, &MainWindow::finishExport, Qt::QueuedConnection);
    });
    showExportProgress();
    exportProgress_->show();
    cancelExport_->show();
    exportTimer_.start(250, this);
}

void MainWindow::showExportProgress() {
    if (export_)
        exportProgress_->setText(
            tr("Exporting to %1: %2 MB written")
                .arg(exportName_,
                     locale().toString(double(export_->BytesWritten()) / 1e6, 'f', 1)));
}

void MainWindow::finishExport() {
    if (!export_)
        return;
    const ExportJob::End end = export_->Finish();
    export_.reset();
    exportTimer_.stop();
    exportProgress_->hide();
    cancelExport_->hide();
    if (end.cancelled)
        statusLine_->setLine(tr("Export to %1 cancelled; nothing was written").arg(exportName_),
                             {});
    else if (end.problem)
        QMessageBox::warning(this, tr("Export Data"), *end.problem);
}

void MainWindow::savePicture() {
    if (pathsShown_.empty() || !plot_->hasPicture())
        return;
    const QString suggested =
        SuggestedPicturePath(DisplayPath(pathsShown_.front()),
                             view_->choices().diagram == Diagram::Bode ? QStringLiteral("bode")
                                                                       : QStringLiteral("nyquist"),
                             settings_.picture.ending);
    const auto answer = pictureAsker_(settings_.picture, suggested);
    if (!answer)
        return;
    settings_.picture = answer->first;
    saveSettings();
    const PictureChoice& c = answer->first;
    const auto path = FileSystemPath(answer->second);
    const auto why = path
                         ? plot_->printPicture(QSize(c.widthPx, c.heightPx), c.dpi, c.fontPt, *path)
                         : std::optional(tr("it is no name a file can have here"));
    if (why)
        QMessageBox::warning(this, tr("Save Picture"),
                             tr("Cannot write %1: %2").arg(answer->second, *why));
}

void MainWindow::openTypedPath() {
    const QString typed = path_->text().trimmed();
    if (typed.isEmpty())
        return;
    const auto path = FileSystemPath(QDir::cleanPath(typed));
    if (path && QFileInfo(QDir::cleanPath(typed)).isDir())
        followFolder(*path);
    else if (path)
        openFile(*path);
}

void MainWindow::refreshRecentMenu() {
    FillRecentMenu(
        *menus_.recent, settings_.recentFiles,
        [this](const QString& path) {
            if (const auto bytes = FileSystemPath(path))
                openFile(*bytes);
        },
        [this] {
            settings_.recentFiles.clear();
            refreshRecentMenu();
        });
}

void MainWindow::tick() {
    shown_.Tick();
    showFiles(false);
}

void MainWindow::chosen() {
    tick();
    // Kept at once: a window that never closes normally still remembers the files. A tick
    // never writes them; only the user's choice does.
    saveSettings();
}

void MainWindow::finishReading() {
    showFiles(shown_.Finish());
}

void MainWindow::takeReading() {
    showFiles(shown_.Take());
}

void MainWindow::showFiles(bool read) {
    if (shown_.Choice() != choiceShown_) {
        choiceShown_ = shown_.Choice();
        const std::vector<std::string> paths = shown_.Paths();
        // The old files' diagram must not stand under the new files' names; while a file
        // stays, the view stays with it.
        if (std::none_of(paths.begin(), paths.end(), [this](const std::string& path) {
                return std::find(pathsShown_.begin(), pathsShown_.end(), path) != pathsShown_.end();
            }))
            view_->newFile();
        std::erase_if(openedShown_, [&paths](const std::string& path) {
            return std::find(paths.begin(), paths.end(), path) == paths.end();
        });
        pathsShown_ = paths;
        if (!paths.empty())
            settings_.lastFolder = folderOf(paths.front());
        const FolderLook* folder = shown_.Folder();
        path_->setText(!paths.empty() ? DisplayPath(paths.front())
                       : folder       ? DisplayPath(folder->Folder())
                                      : QString());
        setWindowTitle(ShownTitle(shown_));
        refreshRecentMenu();
        FillRemoveMenu(*menus_.remove, paths,
                       [this](const std::string& path) { removeFile(path); });
        command("closeAll")->setEnabled(!paths.empty());
        read = true;
    }
    if (read)
        redraw();
    rememberOpened();
    showStatus();
}

void MainWindow::rememberOpened() {
    bool added = false;
    for (const ShownFiles::File& file : shown_.Files())
        if (file.state == ShownFiles::State::Read && file.shown && file.shown->series &&
            file.shown->series->measured() > 0 &&
            std::find(openedShown_.begin(), openedShown_.end(), file.path) == openedShown_.end()) {
            openedShown_.push_back(file.path);
            std::error_code unknown;
            const std::filesystem::path absolute = std::filesystem::absolute(file.path, unknown);
            settings_.recentFiles = WithRecentFile(
                settings_.recentFiles, DisplayPath(unknown ? file.path : absolute.string()));
            added = true;
        }
    if (added)
        refreshRecentMenu();
}

void MainWindow::redraw() {
    const std::vector<ShownFiles::File>& files = shown_.Files();
    // In an overlay, a file still without points (a sweep just begun) leaves the others'
    // picture standing.
    const auto drawn = std::find_if(files.begin(), files.end(), [](const ShownFiles::File& f) {
        return f.shown && f.shown->series->measured() > 0;
    });
    if (drawn == files.end()) {
        // A file with no points yet (its header only, say) says so rather than show empty axes.
        if (!files.empty() && files.front().shown)
            plot_->clearPicture();
        return;
    }
    const ReadResult& first = *drawn->shown;
    view_->takeSeries(first.series, first.format, startAtZero_);
    std::vector<ShownFile> overlay;
    for (const ShownFiles::File& file : files)
        overlay.push_back({file.shown ? file.shown->series : nullptr,
                           DisplayPath(FileNameOf(file.path)).toStdString(),
                           file.shown ? file.shown->checks : SweepChecks{}, file.look,
                           file.shown ? file.shown->fits : SweepFits{},
                           files.size() > 1 ? ShownStateWord(file.state).toStdString() : ""});
    // In the order of their looks, so the legend stands still while the files take turns
    // at being the newest.
    std::stable_sort(overlay.begin(), overlay.end(),
                     [](const ShownFile& a, const ShownFile& b) { return a.look < b.look; });
    fitPanels_->show(overlay);
    const bool several = overlay.size() > 1 || (!first.series->points().empty() &&
                                                first.series->points().back().sweep > 1);
    view_->setOverlay(std::move(overlay));
    view_->draw();
    showConnectPoints(several);
}

void MainWindow::showStatus() {
    const QString line = ShownStatusLine(shown_, LocaleNumbers(locale()));
    statusLine_->setLine(line, ShownStatusName(shown_));
    // Commands on the picture wait for one; an export, for a file.
    for (const char* name : {"savePicture", "copyPicture", "zoomIn", "zoomOut", "resetView"})
        command(name)->setEnabled(plot_->hasPicture());
    command("exportData")->setEnabled(!pathsShown_.empty());
    if (!plot_->hasPicture())
        plot_->setPlaceholder(shown_.Files().empty() && !shown_.Folder()
                                  ? tr("Open a measurement file (Ctrl+O) or drop one here.")
                                  : line);
}

void MainWindow::saveSettings() {
    if (!store_)
        return;
    settings_.geometry = saveGeometry();
    settings_.bode = view_->choices().diagram == Diagram::Bode;
    settings_.equalScales = view_->choices().equalScales;
    settings_.sweeps = static_cast<int>(view_->choices().sweeps);
    settings_.chosenSweeps = view_->choices().chosenSweeps;
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
    else if (event->timerId() == exportTimer_.timerId())
        showExportProgress();
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
