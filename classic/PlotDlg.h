#pragma once

#include "FailureReport.h"
#include "source/Reload.h"
#include "source/ShownFiles.h"

#include <QBasicTimer>
#include <QDialog>
#include <QIcon>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class PlotArea;
class PlotViewControl;
class QMenu;

// Window commands routed through OnSysCommand, as the window menu numbers them.
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;

// The main dialog: the plot area, the Open button, the path box and the "+" box. It shows
// the classic chart of the chosen file on its plot area and reloads the file at every timer
// tick.
class CPlotDlg : public QDialog {
    Q_OBJECT
  public:
    // Reads the file at a path once, as a tick would.
    using ReloadFunction = std::function<ReadResult(const std::string& path)>;
    // Asks for a measurement file under a title; the path as the file dialog hands it over,
    // or nothing when cancelled.
    using FileChooser = std::function<std::optional<QString>(const QString& title)>;
    // Shows a warning with an OK button, under a caption, until it is closed.
    using WarningBox = std::function<void(const QString& caption, const QString& text)>;

    explicit CPlotDlg(QWidget* parent = nullptr);
    ~CPlotDlg() override;

    int DoModal();
    bool OnInitDialog();
    void OnSysCommand(unsigned id, long lParam);
    // Starts a read of the chosen file on the reading thread, unless one still runs.
    void OnTimer(unsigned id);
    // Waits for a running read and takes in its result at once, for a caller that must see
    // the picture before going on.
    void finishReading();
    // Whether a tick is under way: a read runs or its result waits to be taken.
    bool tickUnderWay() const { return shown_->TickUnderWay(); }
    void OnOpen();
    // Takes a chosen file as the Open button does: stores it, warns when nothing is there,
    // shows its path and name.
    void AcceptChosenFile(const std::string& path);
    // Takes a path handed over as text (by the file dialog): its own bytes when they can be
    // told, otherwise a warning and no change.
    void AcceptChosenName(const QString& name);
    // How the dialog opens: the "+" box, and a file to take, drawn at once rather than at
    // the first tick.
    void OpenOnStart(std::optional<std::string> path, bool plusTicked, bool equalScales = false,
                     bool bode = false);
    // No control is bound to a member, so there is nothing to exchange.
    bool UpdateData(bool) { return true; }
    QIcon OnQueryDragIcon() const { return m_hIcon; }

    // The menu that stands in for the window menu: the window commands and, last, the About
    // entry. Made by OnInitDialog.
    QMenu* systemMenu() const { return systemMenu_; }
    PlotArea* plotArea() const;
    // Equal scales, the view, zoom, pan and the readout of the plot.
    PlotViewControl& plotView() const { return *plotView_; }
    const FailureReport& failureReport() const { return report_; }
    // The chosen measurement file: its full path, and its name without the folder, kept as
    // the file system's bytes, whatever their encoding.
    const std::string& pathName() const { return pathName_; }
    const std::string& fileName() const { return fileName_; }
    // What a tick runs instead of the read on the reading thread: called on this thread,
    // at once.
    void setReloadFunction(ReloadFunction reload) { reload_ = std::move(reload); }
    // The file dialog and the warning box; Qt's own unless replaced.
    void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }
    void setWarningBox(WarningBox box) { warningBox_ = std::move(box); }

  protected:
    void timerEvent(QTimerEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Takes a finished read into the chart and the picture, and ends the tick.
    void takeReading();
    // Shows the latest read of the file chosen in the chart and the picture.
    void showReading();
    // Shows the last read again under the current view choices, without reading.
    void showLastReading();
    // Takes a read's points into the plot and draws them when the read succeeded; a failed
    // read is reported and leaves the picture as it was.
    void showRead(const std::string& path, const ReadResult& result, bool plusTicked);

    QIcon m_hIcon;
    QMenu* systemMenu_ = nullptr;
    std::string pathName_;
    std::string fileName_;
    QBasicTimer reloadTimer_;
    FailureReport report_;
    std::unique_ptr<PlotViewControl> plotView_;
    ReloadFunction reload_;
    FileChooser chooser_;
    WarningBox warningBox_;
    // The file the ticks read, and the "+" box as the read under way found it.
    std::unique_ptr<ShownFiles> shown_;
    bool plusOfRead_ = false;
    std::optional<std::string> startFile_;
    bool startPlus_ = false;
    bool startEqual_ = false;
    bool startBode_ = false;
};
