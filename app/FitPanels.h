#pragma once

#include "view/DiagramModels.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QComboBox;
class QDockWidget;
class QMainWindow;
class QTableWidget;
class TrendPlot;

// The window's panels of the circuit fits: Parameters, the fitted values of the sweeps shown
// (Ctrl+C copies them as tab-separated text), and Trend, one parameter against the sweep or
// the file with its standard errors. Both follow every picture of the files shown.
class FitPanels final : public QObject {
    Q_OBJECT
  public:
    // Docks both panels on `window`, hidden; `trendChosen` hears of another parameter chosen.
    FitPanels(QMainWindow& window, QString trendParameter,
              std::function<void(const QString&)> trendChosen);

    // Shows the fits of `files`, or says that no circuit is fitted.
    void show(const std::vector<ShownFile>& files);
    // The commands that show and hide each panel.
    QAction* parametersAction() const;
    QAction* trendAction() const;
    // The parameters as the Parameters panel lists them, as tab-separated text.
    QString parametersText() const { return parametersText_; }

  private:
    QDockWidget* parameters_;
    QTableWidget* table_;
    QDockWidget* trend_;
    QComboBox* trendChoice_;
    TrendPlot* trendPlot_;
    QString trendParameter_;
    QString parametersText_;
    std::vector<ShownFile> files_;
};

// Analysis › Fit Circuit… (`fitCircuit` asks for it) and Parameters before Help, and
// View › Trend.
void AddFitMenus(QMainWindow& window, const FitPanels& panels, std::function<void()> fitCircuit);
