#pragma once

#include "ExportJob.h"
#include "FitCircuitDialog.h"
#include "WindowMenus.h"
#include "WindowSettings.h"
#include "chart/ChartModel.h"
#include "source/ShownFiles.h"

#include <QBasicTimer>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class FitPanels;
class PlotArea;
class PlotViewControl;
class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QSettings;
class StatusLabel;

// The window a bench user watches a measurement in: the plot fills it and is laid out anew at
// every size, menus and a toolbar reach every command, the file's path stands in an editable
// field and one status line says what was read and when. The files shown are read every 2
// seconds on a thread of their own, and nothing modal interrupts the watching.
class MainWindow final : public QMainWindow {
    Q_OBJECT
  public:
    // Asks for measurement files, starting in `folder`; none when cancelled.
    using FileChooser = std::function<QStringList(const QString& folder)>;

    // `store` keeps the settings between runs; the window reads them now and writes them as
    // it closes.
    explicit MainWindow(std::unique_ptr<QSettings> store, double fontPt = kTextPt,
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Turns on what the command line asked for, over the settings.
    void startWith(bool startAtZero, bool equalScales, bool bode);
    // Each sweep's points joined from the start, and the dots of `markerPt` points.
    void startDrawing(bool lines, std::optional<double> markerPt);
    // Watches the file at `path` (the file system's bytes) from now on and reads it at once.
    void openFile(const std::string& path);
    // Opens the first and overlays the others.
    void openFiles(const std::vector<std::string>& paths);
    // Overlays another file, followed as the first is.
    void addFile(const std::string& path);
    // Takes a file out of the overlay; the next becomes the first when it was the first.
    void removeFile(const std::string& path);
    // Shows no file at all.
    void closeAll();
    // Shows the newest measurement files of `folder` (the file system's bytes), as many as
    // View › Last N Files asks, and switches to newer ones as they appear, until a file is
    // chosen by hand.
    void followFolder(const std::string& folder);
    // The files shown, the first first: those that each tick reads.
    std::vector<std::string> shownPaths() const { return shown_.Paths(); }
    // Checks the sweeps shown with `options` from now on, and keeps them in the settings.
    void setKkOptions(const KkOptions& options);
    // Fits `setting`'s circuit to every sweep shown from now on, and keeps it in the settings.
    void setFitSetting(const FitSetting& setting);
    // Reads the files now, unless a read still runs.
    void tick();
    // Waits until a read of the files shown is taken in, for a caller that must see it.
    void finishReading();
    // Whether a tick's read has started and its result not yet been taken.
    bool tickUnderWay() const { return shown_.TickUnderWay(); }
    // Waits for an Export Data under way and says how it ended, for a caller that must see
    // it.
    void finishExport();

    PlotArea* plotArea() const { return plot_; }
    QLineEdit* pathField() const { return path_; }
    QString statusText() const;
    const WindowSettings& settings() const { return settings_; }
    PlotViewControl& plotView() const { return *view_; }
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    // Asks for a folder to follow, starting in `folder`; nothing when cancelled.
    using FolderChooser = std::function<std::optional<QString>(const QString& folder)>;
    void setFolderChooser(FolderChooser chooser) { folderChooser_ = std::move(chooser); }
    // Asks where to export the points, suggesting a path; nothing when cancelled.
    using ExportChooser = std::function<std::optional<QString>(const QString& suggested)>;
    void setExportChooser(ExportChooser chooser) { exportChooser_ = std::move(chooser); }
    // Asks where and how to save the picture, from the last choice and a suggested path;
    // nothing when cancelled. SavePictureDialog unless replaced.
    using PictureAsker = std::function<std::optional<std::pair<PictureChoice, QString>>(
        const PictureChoice& last, const QString& suggested)>;
    void setPictureAsker(PictureAsker asker) { pictureAsker_ = std::move(asker); }
    // The window's commands by their object names ("open", "bode", "startAtZero"…).
    QAction* command(const char* name) const;

  protected:
    void timerEvent(QTimerEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    WindowCommands commands();
    void chooseFiles(bool add);
    void chooseFolder();
    QString startFolder() const;
    void exportData();
    void showExportProgress();
    void savePicture();
    void openTypedPath();
    void refreshRecentMenu();
    void takeReading();
    // Shows what the user chose at once, and keeps it in the settings.
    void chosen();
    // Brings the window up to what is shown: after another choice of files its path, title,
    // menus and remembered files, the picture when `read` or the choice asks, and the status.
    void showFiles(bool read);
    void showStatus();
    // Puts the files shown that were read well first among the recent files, once each.
    void rememberOpened();
    void redraw();
    void chooseSweeps();
    // Shows Connect Points checked as the picture draws it, when the user has not chosen.
    void showConnectPoints(bool several);
    void saveSettings();

    std::unique_ptr<QSettings> store_;
    WindowSettings settings_;
    PlotArea* plot_;
    QLineEdit* path_;
    StatusLabel* statusLine_;
    QLabel* exportProgress_;
    QPushButton* cancelExport_;
    QBasicTimer exportTimer_;
    std::unique_ptr<ExportJob> export_;
    QString exportName_;
    FileMenus menus_;
    std::unique_ptr<PlotViewControl> view_;
    FitPanels* fitPanels_;
    QBasicTimer timer_;
    FileChooser chooser_;
    FolderChooser folderChooser_;
    ExportChooser exportChooser_;
    PictureAsker pictureAsker_;
    bool startAtZero_ = false;
    // The choice of files the window shows, and its first file.
    std::uint64_t choiceShown_ = 0;
    std::vector<std::string> pathsShown_;
    // The files shown that were read well, and so are among the recent files.
    std::vector<std::string> openedShown_;
    // Last, so its reading thread stops first, while everything it reports to exists.
    ShownFiles shown_;
};
