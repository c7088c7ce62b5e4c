#include "FuzzSupport.h"

#include <QApplication>
#include <QImageReader>
#include <QLocale>
#include <common/Dialogs.h>
#include <cstdio>
#include <cstdlib>

namespace ZelFuzz {

namespace {

QStringList& messages()
{
    static QStringList recorded;
    return recorded;
}

} // namespace

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "qt.qpa.*=false");
    // The driver's own options are not Qt's: the application sees only a name.
    static int argc = 1;
    static char name[] = "zel-fuzz";
    static char* argv[] = { name, nullptr };
    // Kept for the life of the process; reachable, so no leak is reported.
    static QApplication* application = new QApplication(argc, argv);
    Q_UNUSED(application)
    QLocale::setDefault(QLocale::c());
    // Decoding a picture header that claims gigapixels is the image
    // plugin's business; a small limit keeps every run fast.
    QImageReader::setAllocationLimit(64);
    Zel::setMessageBoxHook([](const QString& prompt, int, const QString&) {
        messages() << prompt;
        return int(Zel::vbOK);
    });
    Zel::setColorDialogHook([](OLE_COLOR&, QWidget*) { return false; });
}

QStringList takeMessages()
{
    QStringList out;
    out.swap(messages());
    return out;
}

QString text(const uint8_t* data, size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
}

void fail(const char* file, int line, const QString& what)
{
    std::fprintf(stderr, "\n*** fuzz check failed at %s:%d\n%s\n", file, line, qPrintable(what));
    std::fflush(stderr);
    std::abort();
}

QString quoted(const QString& text)
{
    constexpr qsizetype limit = 400;
    QString out = QStringLiteral("\"");
    for (QChar c : QStringView(text).left(limit)) {
        if (c == u'\r')
            out += QStringLiteral("\\r");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c.unicode() < 0x20 || c == u'\x7f'
            || (c != u' ' && c.category() == QChar::Separator_Space))
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    out += u'"';
    if (text.size() > limit)
        out += QStringLiteral("... (%1 characters)").arg(text.size());
    return out;
}

} // namespace ZelFuzz
