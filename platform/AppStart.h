#pragma once

#include <string>
#include <vector>

// How much of the toolkit a run starts: the core alone, the GUI without widgets, or all.
enum class ToolkitPart { Core, Gui, Widgets };

// What the entry routine starts: the program's working life, around the toolkit's start.
class StartableApp {
  public:
    StartableApp() = default;
    virtual ~StartableApp() = default;
    StartableApp(const StartableApp&) = delete;
    StartableApp& operator=(const StartableApp&) = delete;

    // Called with the raw arguments before the application exists.
    virtual void PrepareStart(int /*argc*/, char** /*argv*/) {}
    // What the run needs of the toolkit, once PrepareStart has seen the arguments.
    virtual ToolkitPart Needs() const { return ToolkitPart::Widgets; }
    // Runs the program's working life; false means no event loop follows.
    virtual bool InitInstance() = 0;
    // The process's exit status once InitInstance has returned false.
    virtual int ExitCode() const { return 0; }
    // Called instead of InitInstance when the toolkit cannot reach a display; the process
    // ends with the status it returns.
    virtual int OnNoDisplay() { return 1; }

    // The arguments left once the toolkit took its own (-style, -platform, ...), as the
    // exact bytes they were given in, the program's name first.
    const std::vector<std::string>& Arguments() const { return arguments_; }
    void SetArguments(std::vector<std::string> arguments) { arguments_ = std::move(arguments); }

  private:
    std::vector<std::string> arguments_;
};

// Around the toolkit's start: its messages are held back until it has started (a fatal one
// ends the run through `app.OnNoDisplay()`), then `app` takes the arguments left.
void HoldStartMessages(StartableApp& app);
void TakeOverFromStart(StartableApp& app, int argc, char** argv);

// Makes the toolkit's application object of type `Application` and runs `app` in it.
template <typename Application> int RunWith(StartableApp& app, int argc, char** argv) {
    HoldStartMessages(app);
    Application application(argc, argv);
    TakeOverFromStart(app, argc, argv);
    if (app.InitInstance())
        return Application::exec();
    return app.ExitCode();
}

// The entry routine of a run that needs the toolkit's core alone.
int RunCoreApp(StartableApp& app, int argc, char** argv);
