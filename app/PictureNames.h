#pragma once

#include <QString>

#include <functional>

// Where Save Picture first points: beside the data, named after it and the diagram shown
// (run7.DTA in Nyquist: run7-nyquist.pdf in its folder).
QString SuggestedPicturePath(const QString& dataPath, const QString& diagram,
                             const QString& ending);

// `path` itself when `taken` says it is free, else the first free of name-2.png,
// name-3.png, … in its folder.
QString FreeName(const QString& path, const std::function<bool(const QString&)>& taken);
