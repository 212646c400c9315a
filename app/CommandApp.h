#pragma once

#include "CommandLine.h"
#include "platform/AppStart.h"

// The application object of one answer to the command line, with the toolkit's core alone;
// what needs more (a snapshot, a window) is left to `Show`.
class CommandApp : public StartableApp {
  public:
    void PrepareStart(int argc, char** argv) override;
    bool InitInstance() override;
    int ExitCode() const override { return m_exitCode; }
    int OnNoDisplay() override;
    ToolkitPart Needs() const override { return m_needs; }

  protected:
    // A command line that asks for a picture or a window; false means no event loop follows.
    // Without the GUI there is nothing to show it with.
    virtual bool Show(const CommandLine&) {
        m_exitCode = OnNoDisplay();
        return false;
    }

    int m_exitCode = 0;
    bool m_offscreenChosen = false;

  private:
    ToolkitPart m_needs = ToolkitPart::Widgets;
};
