#include "EachFile.h"

#include "CommandOutput.h"
#include "platform/FileChoice.h"

#include <algorithm>
#include <filesystem>

int PrintEach(const std::vector<std::string>& files, QTextStream& out,
              const std::function<int(const std::string& file, QTextStream& out)>& print) {
    if (files.size() == 1)
        return print(files.front(), out);
    int status = 0;
    bool first = true;
    for (const std::string& file : files) {
        QString block;
        QTextStream blockOut(&block);
        status = std::max(status, print(file, blockOut));
        blockOut.flush();
        if (block.isEmpty())
            continue;
        out << (first ? "" : "\n") << "file: " << OneLinePath(file) << "\n" << block;
        first = false;
    }
    return status;
}

std::string PathInFolder(const std::string& folder, const std::string& file) {
    return folder + std::filesystem::path(file).filename().replace_extension(".csv").string();
}

int WriteEach(const std::vector<std::string>& files, const std::string& folder, QTextStream& err,
              const std::function<std::optional<QString>(const std::string& file,
                                                         const std::string& output)>& write) {
    std::vector<std::string> outputs;
    for (const std::string& file : files)
        outputs.push_back(PathInFolder(folder, file));
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto identity = IdentityOfPath(outputs[i]);
        const auto read = std::find_if(files.begin(), files.end(), [&](const std::string& file) {
            return identity && IdentityOfPath(file) == identity;
        });
        const auto same = std::find(outputs.begin(), outputs.end(), outputs[i]);
        std::optional<QString> why;
        if (read != files.end())
            why = QStringLiteral("%1 is read from there").arg(OneLinePath(*read));
        else if (same != outputs.begin() + std::ptrdiff_t(i))
            why = QStringLiteral("the table of %1 goes there too")
                      .arg(OneLinePath(files[std::size_t(same - outputs.begin())]));
        if (why) {
            err << "korvane: " << CannotWrite(outputs[i], *why) << "\n";
            return 1;
        }
    }
    int status = 0;
    for (std::size_t i = 0; i < files.size(); ++i)
        if (const auto problem = write(files[i], outputs[i])) {
            err << "korvane: " << *problem << "\n";
            status = 1;
        }
    return status;
}
