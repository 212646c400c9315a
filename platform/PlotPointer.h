#pragma once

#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// What the pointer does on the plot area: the wheel zooms about the pointer, dragging with
// the left button pans, a double-click resets the view, resting shows a readout and a click
// without a drag is handed on.
class PlotPointer final : public QObject {
  public:
    struct Handlers {
        std::function<void(QPoint at, double notches)> zoom; // notches > 0: closer
        std::function<void(QPoint by, QPoint at)> pan;       // at: where the drag began
        std::function<void()> reset;
        std::function<QString(QPoint at)> readout; // empty: no tooltip
        std::function<void(QPoint at)> click;      // a press and release without a drag
    };
    PlotPointer(QWidget* area, Handlers handlers);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* area_;
    Handlers handlers_;
    std::optional<QPoint> dragFrom_, dragStart_;
    bool dragged_ = false;
};
