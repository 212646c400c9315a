#include "PictureApp.h"

#include "CommandOutput.h"
#include "ModernSnapshot.h"
#include "platform/ChartFontOnly.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {
SnapshotLook lookOf(const CommandLine& command) {
    return {false,
            command.dpi,
            command.fontPt,
            command.kk ? std::optional(command.kkOptions) : std::nullopt,
            command.fit ? std::optional(FitChoice{std::make_shared<const Circuit>(command.circuit),
                                                  command.fitOptions})
                        : std::nullopt,
            command.lines,
            command.markerPt.value_or(kMarkerPt)};
}

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define KORVANE_SANITIZED
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define KORVANE_SANITIZED
#endif

// Once the picture is written nothing is left to do: the toolkit's and the libraries' own
// tearing down would only lengthen the wait. A sanitized build ends as usual, so that its
// leak check still runs.
void endAtOnce([[maybe_unused]] int exitCode) {
#ifndef KORVANE_SANITIZED
    std::fflush(nullptr);
    std::_Exit(exitCode);
#endif
}
} // namespace

void PictureApp::PrepareStart(int argc, char** argv) {
    CommandApp::PrepareStart(argc, argv);
    if (Needs() == ToolkitPart::Gui)
        LoadOnlyChartFont();
}

bool PictureApp::Show(const CommandLine& command) {
    if (command.action != CommandLine::Action::Snapshot || command.classic)
        return CommandApp::Show(command);
    // PNG, SVG and PDF are the toolkit's own: no image plugin needs to be looked for.
    if (Needs() == ToolkitPart::Gui)
        QCoreApplication::setLibraryPaths({});
    {
        QTextStream err(stderr);
        m_exitCode = EndCommand(0,
                                WriteModernSnapshot(command.files, command.output, command.plus,
                                                    command.size, command.equal, command.bode,
                                                    lookOf(command)),
                                {}, err);
    }
    if (Needs() == ToolkitPart::Gui)
        endAtOnce(m_exitCode);
    return false;
}
