#include "FileChoice.h"

#include "measurement/Format.h"

#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

namespace {
bool isSeparator(char c) {
    return c == '/' || c == '\\';
}
bool isUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
} // namespace

std::string ProgramDirectory(std::string_view programPath) {
    if (programPath.size() >= 2 && programPath[1] == ':')
        programPath.remove_prefix(2);
    size_t end = programPath.size();
    while (end > 0 && !isSeparator(programPath[end - 1]))
        --end;
    return std::string(programPath.substr(0, end));
}

std::string FileDialogTitle(std::string_view directory) {
    if (directory.size() <= TITLE_MAX_CHARS)
        return std::string(directory);
    std::string_view tail = directory.substr(directory.size() - (TITLE_MAX_CHARS - 3));
    while (!tail.empty() && isUtf8Continuation(tail.front()))
        tail.remove_prefix(1);
    return "..." + std::string(tail);
}

std::string FileNameOf(std::string_view path) {
    size_t start = path.size();
    while (start > 0 && !isSeparator(path[start - 1]))
        --start;
    return std::string(path.substr(start));
}

bool AnythingExistsAt(const std::string& path) {
    struct stat info {};
    return !path.empty() && ::lstat(path.c_str(), &info) == 0;
}

namespace {
// The one entry of `folder` whose name reads as `name`, or nothing.
std::optional<std::string> onlyEntryReadingAs(const std::string& folder, const QString& name) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                            ::closedir);
    if (!dir)
        return std::nullopt;
    std::optional<std::string> found;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (QFile::decodeName(entry->d_name) != name)
            continue;
        if (found)
            return std::nullopt;
        found = entry->d_name;
    }
    return found;
}
} // namespace

std::optional<std::string> FileSystemPath(const QString& chosen) {
    std::string path;
    const QStringList parts = chosen.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            path += '/';
        if (!parts[i].contains(QChar::ReplacementCharacter)) {
            path += QFile::encodeName(parts[i]).toStdString();
            continue;
        }
        const auto entry = onlyEntryReadingAs(path, parts[i]);
        if (!entry)
            return std::nullopt;
        path += *entry;
    }
    return path;
}

QString DisplayPath(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

QString OneLinePath(const std::string& path) {
    const QString text = DisplayPath(path);
    QString line;
    line.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const char* named = u == '\n'   ? "\\n"
                            : u == '\t' ? "\\t"
                            : u == '\r' ? "\\r"
                            : u == '\\' ? "\\\\"
                                        : nullptr;
        if (named != nullptr)
            line += QLatin1String(named);
        else if (u < 0x20 || u == 0x7F)
            line += QStringLiteral("\\%1").arg(u, 3, 8, QLatin1Char('0'));
        else
            line += c;
    }
    return line;
}

QStringList MeasurementNameFilters() {
    return {QStringLiteral("FILE(*.txt)"), QStringLiteral("FILE(*.*)"),
            QStringLiteral("Measurement files (%1)")
                .arg(QString::fromLatin1(MeasurementFilePatterns()))};
}
