#pragma once

#include <QObject>

#include <functional>

class QAction;
class QMenu;

// A click on a greyed entry of a menu, which the menu itself ignores, calls `picked` with
// the entry, and the menu closes as after any choice.
class GreyedEntryClicks final : public QObject {
  public:
    GreyedEntryClicks(QMenu& menu, std::function<void(QAction*)> picked);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QMenu& menu_;
    std::function<void(QAction*)> picked_;
};
