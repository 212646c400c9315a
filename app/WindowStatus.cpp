#include "WindowStatus.h"

#include "platform/WhyNotRead.h"

#include <QCoreApplication>

namespace {

QString timeOf(const QTime& time) {
    return time.toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

QString StatusLine(const FileStatus& s, const NumberStyle& numbers) {
    switch (s.state) {
    case FileStatus::State::NoFile:
        return QCoreApplication::translate("WindowStatus", "Open a measurement file to watch it.");
    case FileStatus::State::Waiting:
        return QCoreApplication::translate("WindowStatus", "Waiting for %1 to appear\u2026")
            .arg(s.name);
    case FileStatus::State::Reading:
        return QCoreApplication::translate("WindowStatus", "Reading %1\u2026").arg(s.name);
    case FileStatus::State::Read:
        return QCoreApplication::translate("WindowStatus", "%1 \u00b7 %2 \u00b7 %3 \u00b7 read %4")
            .arg(s.name, s.format,
                 (s.points == 1 ? QCoreApplication::translate("WindowStatus", "1 point")
                                : QCoreApplication::translate("WindowStatus", "%1 points")
                                      .arg(QString::fromStdString(numbers.Whole(s.points)))) +
                     (s.cutShort ? QCoreApplication::translate("WindowStatus", " (cut short)")
                                 : QString()),
                 timeOf(s.readAt));
    case FileStatus::State::Gone:
        return QCoreApplication::translate("WindowStatus",
                                           "%1 is gone \u2014 showing what was read at %2")
            .arg(s.name, timeOf(s.readAt));
    case FileStatus::State::Unreadable:
        return QCoreApplication::translate("WindowStatus", "Cannot read %1: %2")
            .arg(s.name, s.reason);
    }
    return {};
}

QString FormatTitle(const std::string& name) {
    static const struct {
        const char* name;
        const char* title;
    } titles[] = {{"plain", QT_TRANSLATE_NOOP("WindowStatus", "plain text")},
                  {"gamry-dta", "Gamry DTA"},
                  {"biologic-mpt", "BioLogic MPT"},
                  {"zview", "ZView"},
                  {"chi", "CH Instruments"},
                  {"nova", "Metrohm Nova"},
                  {"palmsens-csv", "PalmSens CSV"},
                  {"csv", "CSV"},
                  {"biologic-mpr", "BioLogic MPR"},
                  {"zahner-ism", "Zahner ISM"},
                  {"palmsens-pssession", QT_TRANSLATE_NOOP("WindowStatus", "PalmSens session")}};
    // Names of instruments stay as their makers write them; the words around them do not.
    for (const auto& t : titles)
        if (name == t.name)
            return QCoreApplication::translate("WindowStatus", t.title);
    return QString::fromStdString(name);
}

QString FailureReason(const std::optional<IoError>& error, const std::string& refusal) {
    if (refusal.empty() && error && error->number == 0)
        return QCoreApplication::translate("WindowStatus", "it is not a file that can be read");
    return WhyNotRead(error, refusal);
}
