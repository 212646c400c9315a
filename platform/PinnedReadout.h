#pragma once

#include <QPoint>
#include <QString>

class QLabel;
class QWidget;

// A dot's readout held on the plot after a click, as a tooltip would show it but staying
// until another click or another file; its text is what Ctrl+C copies.
class PinnedReadout {
  public:
    explicit PinnedReadout(QWidget& area) : area_(area) {}

    // Shows `text` beside `at`, in place of any readout pinned before.
    void pin(QPoint at, const QString& text);
    void unpin();
    // Empty while nothing is pinned.
    const QString& text() const { return text_; }

  private:
    QWidget& area_;
    QLabel* label_ = nullptr; // owned by the area
    QString text_;
};
