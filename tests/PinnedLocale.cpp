// Linked into every test program: the tests compare texts of numbers and dates, so each
// process pins the C locale itself instead of trusting the LANG it was started with.

#include <QCoreApplication>
#include <QLocale>
#include <clocale>

namespace {

void pinLocale()
{
    QLocale::setDefault(QLocale::c());
    // QCoreApplication sets the C library's locale from the environment; number parsing
    // through the C library should not follow it either.
    if (!std::setlocale(LC_ALL, "C.UTF-8"))
        std::setlocale(LC_ALL, "C");
}

// For programs that never create an application object.
const bool pinnedAtStart = (pinLocale(), true);

} // namespace

// Again once the application object has read the environment.
Q_COREAPP_STARTUP_FUNCTION(pinLocale)
