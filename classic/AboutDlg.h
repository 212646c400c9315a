#pragma once

#include <QDialog>

// The About box.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* owner = nullptr);
    int DoModal() { return exec(); }
};
