#include "WindowMenus.h"

#include "MainWindow.h"
#include "WindowSettings.h"
#include "platform/FileChoice.h"
#include "platform/PlotViewControl.h"
#include "view/PlotChoices.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <tuple>
#include <utility>

namespace {

QAction* addCommand(QWidget& window, QMenu* menu, const char* name, const QString& text,
                    const QKeySequence& keys, const QString& icon, std::function<void()> run) {
    auto* action = new QAction(text, &window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    if (!icon.isEmpty())
        action->setIcon(QIcon::fromTheme(icon));
    QObject::connect(action, &QAction::triggered, &window, [run = std::move(run)] { run(); });
    menu->addAction(action);
    return action;
}

void addChoice(QMenu* menu, QActionGroup* group, const QString& name, const QString& text,
               bool chosen, std::function<void()> choose) {
    QAction* entry = group->addAction(text);
    entry->setObjectName(name);
    entry->setCheckable(true);
    entry->setChecked(chosen);
    QObject::connect(entry, &QAction::toggled, menu, [choose = std::move(choose)](bool on) {
        if (on)
            choose();
    });
    menu->addAction(entry);
}

// The plot's own context menu holds the same diagram commands, so both stay in step.
void nameViewCommands(PlotViewControl& view) {
    const struct {
        QAction* action;
        const char* name;
        QKeySequence keys;
    } named[] = {{view.nyquistAction(), "nyquist", QKeySequence(Qt::CTRL | Qt::Key_1)},
                 {view.bodeAction(), "bode", QKeySequence(Qt::CTRL | Qt::Key_2)},
                 {view.equalScalesAction(), "equalScales", QKeySequence()},
                 {view.resetViewAction(), "resetView", QKeySequence(Qt::Key_Home)}};
    for (const auto& [action, name, keys] : named) {
        action->setObjectName(QString::fromLatin1(name));
        if (!keys.isEmpty())
            action->setShortcut(keys);
    }
    view.resetViewAction()->setIcon(QIcon::fromTheme(QStringLiteral("zoom-original")));
}

} // namespace

FileMenus BuildWindowMenus(QMainWindow& window, PlotViewControl& view, QLineEdit& path,
                           const WindowSettings& settings, const WindowCommands& c) {
    FileMenus menus;
    QMenu* file = window.menuBar()->addMenu(MainWindow::tr("&File"));
    QAction* open =
        addCommand(window, file, "open", MainWindow::tr("&Open\u2026"), QKeySequence::Open,
                   QStringLiteral("document-open"), [c] { c.chooseFiles(false); });
    menus.recent = file->addMenu(MainWindow::tr("Open &Recent"));
    menus.recent->setObjectName(QStringLiteral("openRecent"));
    addCommand(window, file, "addFile", MainWindow::tr("&Add File…"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), QStringLiteral("list-add"),
               [c] { c.chooseFiles(true); });
    menus.remove = file->addMenu(MainWindow::tr("Re&move File"));
    menus.remove->setObjectName(QStringLiteral("removeFile"));
    addCommand(window, file, "followFolder", MainWindow::tr("&Follow Folder\u2026"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), QStringLiteral("folder-open"),
               c.chooseFolder);
    addCommand(window, file, "closeAll", MainWindow::tr("&Close All"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W), QStringLiteral("window-close"),
               c.closeAll);
    QAction* save = addCommand(window, file, "savePicture", MainWindow::tr("&Save Picture\u2026"),
                               QKeySequence::Save, QStringLiteral("document-save"), c.savePicture);
    addCommand(window, file, "exportData", MainWindow::tr("&Export Data\u2026"),
               QKeySequence(Qt::CTRL | Qt::Key_E), QStringLiteral("document-export"), c.exportData);
    file->addSeparator();
    addCommand(window, file, "quit", MainWindow::tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q),
               QStringLiteral("application-exit"), [&window] { window.close(); });

    QMenu* edit = window.menuBar()->addMenu(MainWindow::tr("&Edit"));
    QAction* copy = addCommand(window, edit, "copyPicture", MainWindow::tr("&Copy Picture"),
                               QKeySequence::Copy, QStringLiteral("edit-copy"), c.copyPicture);
    edit->addSeparator();
    addCommand(window, edit, "kkOptions", MainWindow::tr("&Options\u2026"), QKeySequence(),
               QStringLiteral("configure"), c.kkOptions);

    nameViewCommands(view);
    QMenu* shown = window.menuBar()->addMenu(MainWindow::tr("&View"));
    shown->addActions({view.nyquistAction(), view.bodeAction()});
    auto* residuals = new QAction(MainWindow::tr("&Residuals"), &window);
    residuals->setObjectName(QStringLiteral("residuals"));
    residuals->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));
    residuals->setCheckable(true);
    residuals->setChecked(settings.residuals);
    QObject::connect(residuals, &QAction::toggled, &window, c.residuals);
    shown->addAction(residuals);
    shown->addSeparator();
    shown->addAction(view.equalScalesAction());
    auto* zero = new QAction(MainWindow::tr("Start \u2212Z\u2033 at &Zero"), &window);
    zero->setObjectName(QStringLiteral("startAtZero"));
    zero->setCheckable(true);
    QObject::connect(zero, &QAction::toggled, &window, c.startAtZero);
    shown->addAction(zero);
    QMenu* sweeps = shown->addMenu(MainWindow::tr("S&weeps"));
    auto* sweepChoices = new QActionGroup(sweeps);
    const std::pair<const char*, QString> sweepEntries[] = {
        {"allSweeps", MainWindow::tr("&All")},
        {"lastSweep", MainWindow::tr("&Last Only")},
        {"lastFiveSweeps", MainWindow::tr("Last &5")}};
    for (int i = 0; i < 3; ++i)
        addChoice(sweeps, sweepChoices, sweepEntries[i].first, sweepEntries[i].second,
                  i == settings.sweeps, [c, i] { c.sweeps(i); });
    // Asks each time it is chosen, also when it is chosen already.
    QAction* choose = sweepChoices->addAction(MainWindow::tr("&Choose…"));
    choose->setObjectName(QStringLiteral("chooseSweeps"));
    choose->setCheckable(true);
    choose->setChecked(settings.sweeps == static_cast<int>(SweepsShown::Chosen));
    QObject::connect(choose, &QAction::triggered, &window, c.chooseSweeps);
    sweeps->addAction(choose);
    auto* connect = new QAction(MainWindow::tr("&Connect Points"), &window);
    connect->setObjectName(QStringLiteral("connectPoints"));
    connect->setCheckable(true);
    connect->setChecked(settings.connectPoints.value_or(false));
    QObject::connect(connect, &QAction::triggered, &window, c.connectPoints);
    shown->addAction(connect);
    QMenu* markers = shown->addMenu(MainWindow::tr("&Marker Size"));
    auto* markerChoices = new QActionGroup(markers);
    const std::tuple<const char*, QString, double> markerEntries[] = {
        {"smallMarkers", MainWindow::tr("&Small"), kSmallMarkerPt},
        {"mediumMarkers", MainWindow::tr("&Medium"), kMarkerPt},
        {"largeMarkers", MainWindow::tr("&Large"), kLargeMarkerPt}};
    for (const auto& [name, text, points] : markerEntries)
        addChoice(markers, markerChoices, QString::fromLatin1(name), text,
                  settings.markerPt == points, [c, pt = points] { c.markerSize(pt); });
    QMenu* lastFiles = shown->addMenu(MainWindow::tr("Last &N Files"));
    auto* lastFilesChoices = new QActionGroup(lastFiles);
    for (const int count : {1, 3, 5, 10})
        addChoice(lastFiles, lastFilesChoices, QStringLiteral("last%1Files").arg(count),
                  QString::number(count), count == settings.lastFiles,
                  [c, count] { c.lastFiles(count); });
    shown->addSeparator();
    shown->addAction(view.resetViewAction());
    QAction* zoomIn =
        addCommand(window, shown, "zoomIn", MainWindow::tr("Zoom &In"), QKeySequence(Qt::Key_Plus),
                   QStringLiteral("zoom-in"), [c] { c.zoom(1); });
    zoomIn->setShortcuts({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal)});
    QAction* zoomOut =
        addCommand(window, shown, "zoomOut", MainWindow::tr("Zoom &Out"),
                   QKeySequence(Qt::Key_Minus), QStringLiteral("zoom-out"), [c] { c.zoom(-1); });

    QMenu* help = window.menuBar()->addMenu(MainWindow::tr("&Help"));
    addCommand(window, help, "about", MainWindow::tr("&About Korvane"), QKeySequence(),
               QStringLiteral("help-about"), c.about);

    QToolBar* tools = window.addToolBar(MainWindow::tr("Main"));
    tools->setObjectName(QStringLiteral("mainToolBar"));
    tools->setMovable(false);
    tools->addActions({open, save, copy});
    tools->addSeparator();
    tools->addActions({view.nyquistAction(), view.bodeAction(), view.equalScalesAction()});
    tools->addSeparator();
    tools->addActions({zoomIn, zoomOut, view.resetViewAction()});
    // The path gets a row of its own, as wide as the window.
    window.addToolBarBreak();
    QToolBar* location = window.addToolBar(MainWindow::tr("Path"));
    location->setObjectName(QStringLiteral("pathToolBar"));
    location->setMovable(false);
    location->addWidget(&path);
    return menus;
}

void FillRecentMenu(QMenu& menu, const QStringList& recent,
                    const std::function<void(const QString&)>& open,
                    const std::function<void()>& clear) {
    menu.clear();
    for (const QString& path : recent) {
        QAction* entry = menu.addAction(path, &menu, [open, path] { open(path); });
        // A file gone since is greyed; choosing it takes it off the list.
        entry->setEnabled(QFileInfo::exists(path));
        entry->setData(path);
    }
    menu.addSeparator();
    QAction* clearing = menu.addAction(MainWindow::tr("&Clear"), &menu, clear);
    clearing->setObjectName(QStringLiteral("clearRecent"));
    clearing->setEnabled(!recent.isEmpty());
    menu.setEnabled(true);
}

void FillRemoveMenu(QMenu& menu, const std::vector<std::string>& paths,
                    const std::function<void(const std::string&)>& remove) {
    menu.clear();
    for (const std::string& path : paths)
        menu.addAction(DisplayPath(FileNameOf(path)), &menu, [remove, path] { remove(path); });
    menu.setEnabled(!paths.empty());
}
