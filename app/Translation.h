#pragma once

class QLocale;
class QTranslator;

// Installs the translation of the window's texts for `locale` when Korvane has one (English,
// the source language, needs none). The application owns it; nullptr when none was found.
QTranslator* InstallTranslation(const QLocale& locale);
