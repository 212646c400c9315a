#pragma once

#include "CommandApp.h"

class QWidget;

// The application object: its working life is one run of the main window (or of the classic
// dialog), or one answer to the command line.
class CPlotApp : public CommandApp {
  public:
    void PrepareStart(int argc, char** argv) override;

    QWidget* m_pMainWnd = nullptr;

  protected:
    bool Show(const CommandLine& command) override;
};
