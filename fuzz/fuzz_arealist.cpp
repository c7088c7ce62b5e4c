// Separated area lists through ImportCode. The figures already there keep
// their lines whether the list loads or not, bulk loading always ends, and
// whatever the control took comes back out: its export, read into the
// emptied control, exports the same text.
//
// A first line "#separator=TEXT" sets ExtractSeperator for the import.

#include "ZonecraftChecks.h"

namespace {

const QString present = QStringLiteral("10,10,40,30|Rectangle|1||0\r\n"
                                       "50,40,12|Circle|2|&HFF|True\r\n");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZelFuzz::ensureApplication();
    QString list = ZelFuzz::text(data, size);
    QString separator = QStringLiteral("|");
    const QString option = QStringLiteral("#separator=");
    if (list.startsWith(option)) {
        const qsizetype end = list.indexOf(u'\n');
        separator = list.mid(option.size(), end < 0 ? -1 : end - option.size());
        list = end < 0 ? QString() : list.mid(end + 1);
    }

    Zonecraft z;
    ZelFuzz::preparePicture(z);
    z.ImportCode(Zonecraft::customcode, present);
    const QString before = z.ExportCode(Zonecraft::customcode);

    z.setExtractSeperator(separator);
    QString failure;
    try {
        z.ImportCode(Zonecraft::customcode, list);
    } catch (const RuntimeError& e) {
        failure
            = QStringLiteral(" (refused with error %1: %2)").arg(e.number()).arg(e.description());
    }
    z.setExtractSeperator(QStringLiteral("|"));
    ZEL_FUZZ_CHECK(z.FigActivate_Loading() == Zonecraft::Ready,
        QStringLiteral("loading flag still set") + failure);
    const QString exported = z.ExportCode(Zonecraft::customcode);
    ZEL_FUZZ_CHECK(exported.startsWith(before),
        QStringLiteral("the figures already there changed") + failure + QStringLiteral(":\n")
            + exported);
    z.Redraw(true);

    // Export, clear, import, export: the same text.
    z.Clear();
    try {
        z.ImportCode(Zonecraft::customcode, ZelFuzz::importableList(exported));
    } catch (const RuntimeError& e) {
        ZelFuzz::fail(__FILE__, __LINE__,
            QStringLiteral("the export does not read back (error %1: %2)\n%3")
                .arg(e.number())
                .arg(e.description(), exported));
    }
    const QString again = z.ExportCode(Zonecraft::customcode);
    ZEL_FUZZ_CHECK(again == exported,
        QStringLiteral("the export\n%1\nreads back as\n%2").arg(exported, again));
    return 0;
}
