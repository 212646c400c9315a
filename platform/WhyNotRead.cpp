#include "WhyNotRead.h"

#include "IoErrorWords.h"

QString WhyNotRead(const std::optional<IoError>& error, const std::string& refusal) {
    if (!refusal.empty())
        return QString::fromStdString(refusal);
    return error ? IoErrorWords(*error) : QString();
}
