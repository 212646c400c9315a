#pragma once

#include "TempDir.h"

#include <QString>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

// The program itself, run without any display, with its arguments as exact bytes.
struct ProgramRun {
    int exitCode;
    QString out, err;
    std::string outBytes;
};

// Where the program's standard output goes: captured, into a pipe nobody reads any more, or
// appended to a file.
struct StandardOutput {
    enum { Captured, ClosedPipe, AppendTo } kind = Captured;
    std::string file;
};

inline std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Every name in the folder with the content of its regular files.
inline std::vector<std::string> folderContents(const TempDir& d) {
    std::vector<std::string> contents;
    for (const auto& entry : std::filesystem::directory_iterator(d.file("")))
        contents.push_back(entry.path().string() + "=" +
                           (entry.is_regular_file() ? readWhole(entry.path()) : ""));
    std::sort(contents.begin(), contents.end());
    return contents;
}

// `environment` adds NAME=value settings to the program's environment.
// `program` runs instead of the program built.
inline ProgramRun runKorvane(const std::vector<std::string>& args, StandardOutput output = {},
                             const std::vector<std::string>& environment = {},
                             const char* program = KORVANE_EXECUTABLE) {
    TempDir capture;
    const std::string outPath = capture.file("out"), errPath = capture.file("err");
    int out = -1;
    if (output.kind == StandardOutput::ClosedPipe) {
        int ends[2];
        if (::pipe(ends) == 0) {
            ::close(ends[0]);
            out = ends[1];
        }
    } else {
        const std::string& target = output.kind == StandardOutput::AppendTo ? output.file : outPath;
        out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    }
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err, STDERR_FILENO);
    std::vector<std::string> arguments;
    arguments.reserve(8 + environment.size() + args.size());
    arguments.emplace_back("env");
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        arguments.insert(arguments.end(), {"-u", variable});
    arguments.insert(arguments.end(), environment.begin(), environment.end());
    // Built in place: moving a string made from the long literal trips GCC 12's bounds check.
    arguments.emplace_back(program);
    arguments.insert(arguments.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    int status = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0)
        ::waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out);
    ::close(err);
    const int exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    const std::string outBytes = readWhole(outPath);
    return {exitCode, QString::fromStdString(outBytes), QString::fromStdString(readWhole(errPath)),
            outBytes};
}
