#include "FitPanels.h"

#include "LocaleNumbers.h"
#include "MainWindow.h"
#include "chart/Render.h"
#include "platform/QtPainter.h"
#include "view/FitTable.h"
#include "view/TrendModel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

// The trend drawn by the chart's renderer at the widget's size.
class TrendPlot final : public QWidget {
  public:
    explicit TrendPlot(QWidget* parent) : QWidget(parent) { setMinimumSize(240, 160); }
    void show(const std::vector<ShownFile>& files, const std::string& parameter) {
        files_ = files;
        parameter_ = parameter;
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (!painter.isActive())
            return;
        QtPainter chart(painter);
        // A label a whole sweep apart wants about 80 pixels.
        Render(TrendModel(files_, parameter_, std::max(10, width() / 80)), width(), height(),
               chart);
    }

  private:
    std::vector<ShownFile> files_;
    std::string parameter_;
};

namespace {

// Takes Ctrl+C from the window's Copy Picture while it has the focus, to copy its rows.
class ParameterTable final : public QTableWidget {
  public:
    ParameterTable(QWidget* parent, std::function<QString()> text)
        : QTableWidget(parent), text_(std::move(text)) {}

  protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            event->accept();
            return true;
        }
        return QTableWidget::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (!event->matches(QKeySequence::Copy))
            return QTableWidget::keyPressEvent(event);
        if (QClipboard* clipboard = QApplication::clipboard())
            clipboard->setText(text_());
    }

  private:
    std::function<QString()> text_;
};

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

FitPanels::FitPanels(QMainWindow& window, QString trendParameter,
                     std::function<void(const QString&)> trendChosen)
    : QObject(&window), parameters_(new QDockWidget(MainWindow::tr("Parameters"), &window)),
      table_(new ParameterTable(parameters_, [this] { return parametersText_; })),
      trend_(new QDockWidget(MainWindow::tr("Trend"), &window)),
      trendChoice_(new QComboBox(trend_)), trendPlot_(new TrendPlot(trend_)),
      trendParameter_(std::move(trendParameter)) {
    parameters_->setObjectName(QStringLiteral("parametersDock"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->setAccessibleName(MainWindow::tr("Fitted parameters"));
    parameters_->setWidget(table_);
    window.addDockWidget(Qt::RightDockWidgetArea, parameters_);
    parameters_->hide();

    trend_->setObjectName(QStringLiteral("trendDock"));
    auto* box = new QWidget(trend_);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(trendChoice_);
    layout->addWidget(trendPlot_, 1);
    trendChoice_->setAccessibleName(MainWindow::tr("Parameter followed"));
    trend_->setWidget(box);
    window.addDockWidget(Qt::BottomDockWidgetArea, trend_);
    trend_->hide();
    connect(trendChoice_, &QComboBox::textActivated, this,
            [this, chosen = std::move(trendChosen)](const QString& name) {
                trendParameter_ = name;
                trendPlot_->show(files_, name.toStdString());
                chosen(name);
            });

    parametersAction()->setObjectName(QStringLiteral("parameters"));
    trendAction()->setObjectName(QStringLiteral("trend"));
    trendAction()->setText(MainWindow::tr("&Trend"));
    parametersAction()->setText(MainWindow::tr("&Parameters"));
}

QAction* FitPanels::parametersAction() const {
    return parameters_->toggleViewAction();
}

QAction* FitPanels::trendAction() const {
    return trend_->toggleViewAction();
}

void FitPanels::show(const std::vector<ShownFile>& files) {
    // A picture drawn anew for zoom or pan leaves the panels as they are.
    const auto sameFits = [](const ShownFile& a, const ShownFile& b) {
        return a.name == b.name && a.fits == b.fits;
    };
    if (std::equal(files.begin(), files.end(), files_.begin(), files_.end(), sameFits))
        return;
    files_ = files;
    const int rowsBefore = table_->rowCount();
    // The locale's decimal mark, and the sign a spreadsheet reads.
    const NumberStyle numbers{LocaleNumbers(table_->locale()).decimalMark, kAsciiNumbers.minus};
    const FitTable all = MakeFitTable(files, numbers);
    // One sweep reads best as a list down the panel.
    const FitTable table = all.rows.size() == 1 ? Transposed(all) : all;
    parametersText_ = all.header.empty() ? QString() : fromUtf8(TabSeparated(table));
    table_->setColumnCount(int(table.header.size()));
    table_->setRowCount(int(table.rows.size()));
    QStringList header;
    for (const std::string& name : table.header)
        header.push_back(fromUtf8(name));
    table_->setHorizontalHeaderLabels(header);
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].size(); ++c)
            table_->setItem(int(r), int(c), new QTableWidgetItem(fromUtf8(table.rows[r][c])));
    table_->resizeColumnsToContents();
    // A new sweep, the one being measured, is the one to see.
    if (all.rows.size() > 1 && table_->rowCount() > rowsBefore)
        table_->scrollToBottom();

    QStringList names;
    for (const ShownFile& file : files)
        if (!file.fits.empty() && file.fits.front()->circuit) {
            for (const CircuitParameter& p : file.fits.front()->circuit->parameters())
                names.push_back(fromUtf8(p.name));
            break;
        }
    if (names != [this] {
            QStringList listed;
            for (int i = 0; i < trendChoice_->count(); ++i)
                listed.push_back(trendChoice_->itemText(i));
            return listed;
        }()) {
        trendChoice_->clear();
        trendChoice_->addItems(names);
    }
    if (!names.contains(trendParameter_) && !names.isEmpty())
        trendParameter_ = names.size() > 1 ? names[1] : names[0]; // R1, the arc, when there is one
    trendChoice_->setCurrentText(trendParameter_);
    trendPlot_->show(files, trendParameter_.toStdString());
}

void AddFitMenus(QMainWindow& window, const FitPanels& panels, std::function<void()> fitCircuit) {
    QMenu* analysis = new QMenu(MainWindow::tr("&Analysis"), &window);
    QAction* fit =
        analysis->addAction(MainWindow::tr("&Fit Circuit\u2026"), &window, std::move(fitCircuit));
    fit->setObjectName(QStringLiteral("fitCircuit"));
    analysis->addAction(panels.parametersAction());
    QAction* help = nullptr;
    for (QAction* entry : window.menuBar()->actions()) {
        if (entry->menu() && entry->text() == MainWindow::tr("&View"))
            entry->menu()->addAction(panels.trendAction());
        if (entry->menu() && entry->text() == MainWindow::tr("&Help"))
            help = entry;
    }
    window.menuBar()->insertMenu(help, analysis);
}
