#pragma once

#include "platform/AppStart.h"

class QWidget;

// The application object: its working life is one run of the main window (or of the classic
// dialog), or one answer to the command line.
class CPlotApp : public StartableApp {
  public:
    void PrepareStart(int argc, char** argv) override;
    bool InitInstance() override;
    int ExitCode() const override { return m_exitCode; }
    int OnNoDisplay() override;
    ToolkitPart Needs() const override { return m_needs; }

    QWidget* m_pMainWnd = nullptr;

  private:
    int m_exitCode = 0;
    bool m_offscreenChosen = false;
    ToolkitPart m_needs = ToolkitPart::Widgets;
};
