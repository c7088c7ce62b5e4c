#pragma once

// Checks shared by the fuzz targets that drive a Zonecraft.

#include "FuzzSupport.h"

#include <QImage>
#include <common/RuntimeError.h>
#include <common/StdPicture.h>
#include <zonecraft/Zonecraft.h>

namespace ZelFuzz {

/// A control over a small picture, so every paint pass stays cheap.
inline void preparePicture(Zonecraft& z)
{
    z.resize(120, 90);
    QImage image(96, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    z.setPicture(StdPicture(image));
}

/// The separated export as a list ImportCode reads: each line's number
/// becomes its key, with the default colour and unlocked. The separator
/// must be "|".
inline QString importableList(const QString& exported)
{
    QString out;
    for (QStringView line : QStringView(exported).split(u"\r\n", Qt::SkipEmptyParts)) {
        out += line;
        out += QLatin1String("||0\r\n");
    }
    return out;
}

/// The separated export's lines without their numbers: what a figure is,
/// whatever it is numbered.
inline QStringList figureLines(const QString& exported)
{
    QStringList out;
    for (QStringView line : QStringView(exported).split(u"\r\n", Qt::SkipEmptyParts))
        out << line.left(line.lastIndexOf(u'|')).toString();
    return out;
}

/// What \a z exports reads back into a fresh control as the same figures.
inline void checkReadsBack(const Zonecraft& z, const QString& context)
{
    const QString exported = z.ExportCode(Zonecraft::customcode);
    Zonecraft fresh;
    try {
        fresh.ImportCode(Zonecraft::customcode, importableList(exported));
    } catch (const RuntimeError& e) {
        fail(__FILE__, __LINE__,
            QStringLiteral("the export does not read back (error %1: %2) after %3\n%4")
                .arg(e.number())
                .arg(e.description(), context, exported));
    }
    const QString again = fresh.ExportCode(Zonecraft::customcode);
    ZEL_FUZZ_CHECK(figureLines(again) == figureLines(exported),
        QStringLiteral("the export reads back as other figures after %1\n%2\nreads back as\n%3")
            .arg(context, exported, again));
}

} // namespace ZelFuzz
