#pragma once

#include "PictureApp.h"

class QWidget;

// The application object: its working life is one run of the main window (or of the classic
// dialog), or one answer to the command line.
class CPlotApp : public PictureApp {
  public:
    QWidget* m_pMainWnd = nullptr;

  protected:
    bool Show(const CommandLine& command) override;
};
