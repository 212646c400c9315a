#include "Translation.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

QTranslator* InstallTranslation(const QLocale& locale) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Built into the program, so it never depends on where it was installed.
    if (!translator->load(locale, QStringLiteral("korvane"), QStringLiteral("_"),
                          QStringLiteral(":/i18n")) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
