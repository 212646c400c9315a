#pragma once

#include "CommandApp.h"

// The application object of a run that draws a picture in the modern look: the toolkit's GUI
// without its widgets, and no window.
class PictureApp : public CommandApp {
  public:
    void PrepareStart(int argc, char** argv) override;

  protected:
    bool Show(const CommandLine& command) override;
};
