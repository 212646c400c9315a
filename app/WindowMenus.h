#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class PlotViewControl;
class QLineEdit;
class QMainWindow;
class QMenu;
struct WindowSettings;

// What the main window's commands do; the menus and toolbars only reach them.
struct WindowCommands {
    std::function<void(bool add)> chooseFiles;
    std::function<void()> chooseFolder;
    std::function<void()> closeAll;
    std::function<void()> savePicture;
    std::function<void()> exportData;
    std::function<void()> copyPicture;
    std::function<void()> about;
    std::function<void(bool on)> startAtZero;
    std::function<void(int shown)> sweeps; // a SweepsShown
    std::function<void()> chooseSweeps;
    std::function<void(bool on)> connectPoints;
    std::function<void(double points)> markerSize;
    std::function<void(int count)> lastFiles;
    std::function<void(double notches)> zoom;
    std::function<void(bool on)> residuals;
    std::function<void()> kkOptions;
};

// The menus whose entries follow the files shown and opened.
struct FileMenus {
    QMenu* recent = nullptr;
    QMenu* remove = nullptr;
};

// Gives `window` its menus and toolbars: the plot's own diagram commands of `view`, the
// choices as `settings` has them, and the path field on a row of its own. Each command
// carries its object name ("open", "bode", "startAtZero"…) and its shortcut.
FileMenus BuildWindowMenus(QMainWindow& window, PlotViewControl& view, QLineEdit& path,
                           const WindowSettings& settings, const WindowCommands& commands);

// Lists the recent files, the latest first, those gone greyed, then Clear.
void FillRecentMenu(QMenu& menu, const QStringList& recent,
                    const std::function<void(const QString&)>& open,
                    const std::function<void()>& clear);

// Lists the files shown by name, each removing its file.
void FillRemoveMenu(QMenu& menu, const std::vector<std::string>& paths,
                    const std::function<void(const std::string&)>& remove);
