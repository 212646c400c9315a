#include "ShownStatus.h"

#include "KkVerdict.h"
#include "MainWindow.h"
#include "WindowStatus.h"
#include "platform/FileChoice.h"
#include "platform/WhyNotRead.h"
#include "source/ShownFiles.h"

#include <QDateTime>

#include <algorithm>

namespace {

QTime localTimeOf(std::chrono::system_clock::time_point at) {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(at.time_since_epoch());
    return QDateTime::fromMSecsSinceEpoch(ms.count()).time();
}

FileStatus::State stateOf(ShownFiles::State state) {
    using Shown = ShownFiles::State;
    switch (state) {
    case Shown::Waiting:
        return FileStatus::State::Waiting;
    case Shown::Reading:
        return FileStatus::State::Reading;
    case Shown::Read:
        return FileStatus::State::Read;
    case Shown::Gone:
        return FileStatus::State::Gone;
    case Shown::Unreadable:
        return FileStatus::State::Unreadable;
    }
    return FileStatus::State::NoFile;
}

FileStatus statusOf(const ShownFiles::File& file) {
    FileStatus status;
    status.name = DisplayPath(FileNameOf(file.path));
    status.state = stateOf(file.state);
    if (file.shown) {
        status.format = FormatTitle(file.shown->format);
        status.points = file.shown->series->measured();
        status.readAt = localTimeOf(file.readAt);
        status.cutShort = file.shown->recordCutShort;
    }
    if (file.error || !file.refusal.empty())
        status.reason = FailureReason(file.error, file.refusal);
    return status;
}

// The folder's own name, also when the path ends in a slash; the path itself for the root.
std::string folderName(std::string_view path) {
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    std::string name = FileNameOf(path);
    return name.empty() ? std::string(path) : name;
}

} // namespace

QString ShownStatusLine(const ShownFiles& shown, const NumberStyle& numbers) {
    const auto& files = shown.Files();
    if (const FolderLook* folder = shown.Folder()) {
        // A folder that cannot be listed says so before its files, which then fail in turn.
        if (folder->Error())
            return MainWindow::tr("Cannot read the folder %1: %2")
                .arg(DisplayPath(folderName(folder->Folder())), WhyNotRead(folder->Error()));
        if (files.empty())
            return MainWindow::tr("Waiting for a measurement file in %1\u2026")
                .arg(DisplayPath(folder->Folder()));
    }
    if (files.empty())
        return StatusLine({}, numbers);
    QString line = StatusLine(statusOf(files.front()), numbers);
    if (const FolderLook* folder = shown.Folder())
        line = MainWindow::tr("following %1/ \u00b7 newest: %2")
                   .arg(DisplayPath(folderName(folder->Folder())), line);
    // The sweep being measured: the newest of the first file.
    if (const auto& read = files.front().shown; read && !read->checks.empty())
        if (const QString verdict = KkVerdict(*read->checks.back(), numbers); !verdict.isEmpty())
            line += QStringLiteral(" \u00b7 ") + verdict;
    if (files.size() > 1)
        line += MainWindow::tr(" \u00b7 %1 files").arg(files.size());
    for (const auto state :
         {ShownFiles::State::Waiting, ShownFiles::State::Gone, ShownFiles::State::Unreadable}) {
        const auto count = std::count_if(files.begin(), files.end(),
                                         [state](const auto& file) { return file.state == state; });
        if (files.size() > 1 && count > 0)
            line += QStringLiteral(" \u00b7 %1 ").arg(count) + ShownStateWord(state);
    }
    if (!shown.SwitchedTo().empty())
        line += MainWindow::tr(" \u00b7 switched to %1 at %2")
                    .arg(DisplayPath(FileNameOf(shown.SwitchedTo())),
                         localTimeOf(shown.SwitchedAt()).toString(QStringLiteral("HH:mm:ss")));
    return line;
}

QString ShownStateWord(ShownFiles::State state) {
    using Shown = ShownFiles::State;
    switch (state) {
    case Shown::Waiting:
        return MainWindow::tr("waiting");
    case Shown::Gone:
        return MainWindow::tr("gone");
    case Shown::Unreadable:
        return MainWindow::tr("unreadable");
    case Shown::Read:
    case Shown::Reading:
        break;
    }
    return {};
}

QString ShownStatusName(const ShownFiles& shown) {
    return shown.Files().empty() ? QString() : DisplayPath(FileNameOf(shown.Files().front().path));
}

QString ShownTitle(const ShownFiles& shown) {
    const auto& files = shown.Files();
    if (files.empty())
        return QStringLiteral("Korvane");
    const QString name = DisplayPath(FileNameOf(files.front().path));
    return files.size() == 1
               ? MainWindow::tr("%1 \u2014 Korvane").arg(name)
               : MainWindow::tr("%1 and %2 more \u2014 Korvane").arg(name).arg(files.size() - 1);
}
