#pragma once

#include <QList>
#include <QLocale>
#include <QStringList>

class QTranslator;

/// The studio's translations: "zelstudio_<language>.qm" beside the program
/// (in translations/), in the installed share folder, or in Qt's own
/// translations folder, and Qt's own "qtbase" texts for the same language.
class StudioTranslations
{
public:
    /// Where translations are looked for, first match wins.
    static QStringList searchPath();
    /// Installs the translations found for \a locale in \a folders into the
    /// application (which owns them) and returns them; none when nothing
    /// matches (the texts then stay as written, in English).
    static QList<QTranslator*> install(
        const QLocale& locale = QLocale::system(), const QStringList& folders = searchPath());
};
