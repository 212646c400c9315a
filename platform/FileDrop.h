#pragma once

#include <QDropEvent>
#include <QUrl>

#include <string>

// The exact bytes of a dropped local file's path: the URL keeps bytes that are not UTF-8
// percent-encoded, where its text would turn them into U+FFFD.
std::string DroppedPath(const QUrl& url);

// Takes the drag of a local file with a harmless action (copy or link, never move: a file
// manager told "moved" may delete the user's file); refuses anything else.
bool AcceptAsCopyOrLink(QDropEvent& event);
