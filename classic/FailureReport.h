#pragma once

#include "source/Reload.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <string>

// The words for a failed read of the file at `path`: why it is refused, or the step that
// failed and the system's reason.
QString DescribeReadFailure(const std::string& path, const ReadResult& read);

// Shows a failed reload to the user in a message box that does not stop the reloads. A file
// that keeps failing keeps one box open, showing its latest failure, instead of adding a box
// at every tick.
class FailureReport {
  public:
    void show(QWidget* parent, const std::string& path, const ReadResult& read);
    QMessageBox* box() const { return box_; }

  private:
    QPointer<QMessageBox> box_;
};
