#pragma once

#include "ChartPicture.h"
#include "VectorPicture.h"

#include <QImage>
#include <QString>

#include <sys/types.h>

#include <optional>
#include <span>
#include <string>
#include <string_view>

// A picture format the program writes: the ending its file names carry (in any case), and
// the bytes its files begin with. Only a file that already begins with them may be replaced.
struct PictureFormat {
    std::string_view name;
    std::string_view ending;
    std::string_view signature;
};

// Every format a picture can be written in.
std::span<const PictureFormat> PictureFormats();

// The format a path's ending asks for, or nothing.
const PictureFormat* PictureFormatFor(std::string_view path);

// Which file a path or descriptor leads to, through any links.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentityOfPath(const std::string& path);
std::optional<FileIdentity> IdentityOfDescriptor(int fd);

// Why a picture must not be written to `path` (the file system's bytes), or nothing when it
// may: the name must end in a known ending and be valid UTF-8; the file must not be `keep`;
// anything already there must be a regular file that begins with the format's signature.
// Nothing but a regular file is ever opened, so a FIFO or a device is never waited on.
std::optional<QString> WhyNotPictureOutput(const std::string& path,
                                           const std::optional<FileIdentity>& keep);

// Writes the picture in the format of the path's ending through a temporary file in the same
// folder, renamed into place only once complete: the image itself as a PNG, or an SVG or PDF
// document of the image's size drawn through `draw`. Returns why it could not.
std::optional<QString> WritePicture(const QImage& image, const std::string& path,
                                    const PictureDrawer& draw = {});

// Writes the image as a PNG to an open descriptor (standard output), all of it. A closed
// pipe is reported, not a signal: SIGPIPE is ignored from here on.
std::optional<QString> WritePngTo(int fd, const QImage& image);

// The chart drawn by `draw` written as WritePicture writes, in the format of the path's ending:
// a PNG of `sizePx` pixels recording `dpi`, or an SVG or PDF document of that physical size.
std::optional<QString> WriteChartPicture(const ChartDrawer& draw, QSize sizePx, double dpi,
                                         const std::string& path);

// The chart as a PNG to an open descriptor, as WritePngTo writes it.
std::optional<QString> WriteChartPngTo(int fd, const ChartDrawer& draw, QSize sizePx, double dpi);
