#pragma once

// The application object registers itself as it is constructed; the entry routine finds it
// and hands it the start.
class RegisteredApp {
  public:
    RegisteredApp();
    virtual ~RegisteredApp();
    RegisteredApp(const RegisteredApp&) = delete;
    RegisteredApp& operator=(const RegisteredApp&) = delete;

    // Called with the raw arguments before the application exists.
    virtual void PrepareStart(int /*argc*/, char** /*argv*/) {}
    // Runs the program's working life; false means no event loop follows.
    virtual bool InitInstance() = 0;
    // The process's exit status once InitInstance has returned false.
    virtual int ExitCode() const { return 0; }

    static RegisteredApp* Registered();
};

// The entry routine: makes the QApplication, then runs the registered application object.
int RunRegisteredApp(int argc, char** argv);
