#pragma once

#include <QString>
#include <common/zelcommon_export.h>
#include <stdexcept>

/// The host's run-time error: a number and a description. Public calls that
/// fail throw it; it never leaves an event handler.
class ZELCOMMON_EXPORT RuntimeError : public std::runtime_error
{
public:
    /// The error numbers the controls raise.
    enum Number {
        InvalidProcedureCall = 5,
        Overflow = 6,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        FileNotFound = 53,
        InvalidPropertyValue = 380,
        InvalidPropertyArrayIndex = 381,
        KeyAlreadyAssociated = 457,
        InvalidPicture = 481,
    };

    /// An error with the host's standard description for \a number.
    explicit RuntimeError(int number);
    /// An error with a description of its own.
    RuntimeError(int number, const QString& description);

    /// The error number (a Number, or another the host uses).
    int number() const noexcept { return m_number; }
    /// What went wrong, in words.
    QString description() const { return m_description; }

    /// The host's standard description of an error number ("Type mismatch"...).
    static QString standardDescription(int number);

private:
    int m_number;
    QString m_description;
};
