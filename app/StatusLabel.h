#pragma once

#include <QLabel>

// The status line: when it is too narrow, the file's name gives way in its middle, so the
// state and time after it stay whole; only what follows the time may run off.
class StatusLabel final : public QLabel {
  public:
    explicit StatusLabel(QWidget* parent);

    // Shows `line`, in which `name` (when not empty) is the part that may be shortened.
    void setLine(const QString& line, const QString& name);
    // The line as set, whatever the width shows of it.
    const QString& line() const { return line_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fit();

    QString line_, name_;
};
