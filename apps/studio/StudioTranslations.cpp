#include "StudioTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

QStringList StudioTranslations::searchPath()
{
    const QString program = QCoreApplication::applicationDirPath();
    return { program + QStringLiteral("/translations"),
        QDir(program).absoluteFilePath(QStringLiteral("../share/zelstudio/translations")),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) };
}

QList<QTranslator*> StudioTranslations::install(const QLocale& locale, const QStringList& folders)
{
    QList<QTranslator*> installed;
    // The studio's texts are written in English; Qt's own come from its folder.
    const QList<QPair<QString, QStringList>> catalogues {
        { QStringLiteral("zelstudio"), folders },
        { QStringLiteral("qtbase"), { QLibraryInfo::path(QLibraryInfo::TranslationsPath) } },
    };
    for (const auto& [name, where] : catalogues) {
        for (const QString& folder : where) {
            auto* translator = new QTranslator(QCoreApplication::instance());
            if (translator->load(locale, name, QStringLiteral("_"), folder)
                && QCoreApplication::installTranslator(translator)) {
                installed << translator;
                break;
            }
            delete translator;
        }
    }
    return installed;
}
