#pragma once

#include "ChartPicture.h"
#include "SafeOutput.h"

#include <QImage>
#include <QString>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// A picture format the program writes: the ending its file names carry (in any case), and
// how its own files are known. Only a file of its own may be replaced.
struct PictureFormat {
    std::string_view name;
    std::string_view ending;
    bool (*marked)(std::string_view head);
};

// Every format a picture can be written in.
std::span<const PictureFormat> PictureFormats();

// The format a path's ending asks for, or nothing.
const PictureFormat* PictureFormatFor(std::string_view path);

// Why a picture must not be written to `path` (the file system's bytes), or nothing when it
// may: the name must end in a known ending, and WhyNotOutput must find nothing for the
// format.
std::optional<QString> WhyNotPictureOutput(const std::string& path,
                                           const std::optional<FileIdentity>& keep);

// The SVG or PDF document of a picture, or nothing when it could not be drawn.
using VectorDrawer = std::function<std::optional<QByteArray>(VectorKind)>;

// Writes the picture in the format of the path's ending through a temporary file in the same
// folder, put in place as WriteThroughTemporary puts it: the image itself as a PNG, or the
// SVG or PDF document `vector` draws. Returns why it could not.
std::optional<QString> WritePicture(const QImage& image, const std::string& path,
                                    const std::optional<FileIdentity>& keep,
                                    const VectorDrawer& vector = {},
                                    const BeforePlacing& beforePlacing = {});

// Writes the image as a PNG to an open descriptor (standard output), as WriteAllTo writes.
std::optional<QString> WritePngTo(int fd, const QImage& image);

// The chart drawn by `draw` written as WritePicture writes, in the format of the path's ending:
// a PNG of `sizePx` pixels recording `dpi`, or an SVG or PDF document of that physical size.
std::optional<QString> WriteChartPicture(const ChartDrawer& draw, QSize sizePx, double dpi,
                                         const std::string& path,
                                         const std::optional<FileIdentity>& keep);

// The chart as a PNG to an open descriptor, as WritePngTo writes it.
std::optional<QString> WriteChartPngTo(int fd, const ChartDrawer& draw, QSize sizePx, double dpi);
