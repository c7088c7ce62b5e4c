#include "RuntimeError.h"

namespace {

std::string whatText(int number, const QString& description)
{
    return QStringLiteral("Run-time error '%1': %2").arg(number).arg(description).toStdString();
}

} // namespace

RuntimeError::RuntimeError(int number)
    : RuntimeError(number, standardDescription(number))
{ }

RuntimeError::RuntimeError(int number, const QString& description)
    : std::runtime_error(whatText(number, description))
    , m_number(number)
    , m_description(description)
{ }

QString RuntimeError::standardDescription(int number)
{
    switch (number) {
    case InvalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case Overflow:
        return QStringLiteral("Overflow");
    case SubscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case TypeMismatch:
        return QStringLiteral("Type mismatch");
    case FileNotFound:
        return QStringLiteral("File not found");
    case 75:
        return QStringLiteral("Path/File access error");
    case 91:
        return QStringLiteral("Object variable or With block variable not set");
    case InvalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case InvalidPropertyArrayIndex:
        return QStringLiteral("Invalid property array index");
    case KeyAlreadyAssociated:
        return QStringLiteral("This key is already associated with an element of this collection");
    case InvalidPicture:
        return QStringLiteral("Invalid picture");
    default:
        return QStringLiteral("Application-defined or object-defined error");
    }
}
