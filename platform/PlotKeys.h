#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;

// What the keyboard does on the plot area once it has the focus: the arrow keys pan by a
// tenth of the plot, + and − zoom about its middle, Home resets the view and Shift+F10 opens
// the context menu, as the Menu key does.
class PlotKeys final : public QObject {
  public:
    struct Handlers {
        std::function<void(QPoint at, double notches)> zoom; // notches > 0: closer
        std::function<void(QPoint by)> pan;
        std::function<void()> reset;
    };
    PlotKeys(QWidget* area, Handlers handlers);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* area_;
    Handlers handlers_;
};
