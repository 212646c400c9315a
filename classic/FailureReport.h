#pragma once

#include "source/Reload.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>

// The words for a failed reload: the file, what failed and the system's reason.
QString DescribeFileFailure(const FileFailure& failure);

// Shows a failed reload to the user in a message box that does not stop the reloads. A file
// that keeps failing keeps one box open, showing its latest failure, instead of adding a box
// at every tick.
class FailureReport {
  public:
    void show(QWidget* parent, const FileFailure& failure);
    QMessageBox* box() const { return box_; }

  private:
    QPointer<QMessageBox> box_;
};
