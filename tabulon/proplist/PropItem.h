#pragma once

#include <QMetaType>
#include <QObject>
#include <QString>
#include <common/StdPicture.h>
#include <tabulon/tabulon_export.h>

/// The item record and the enumerations of the property list.
namespace Tabulon {
Q_NAMESPACE_EXPORT(TABULON_EXPORT)

/// How an item's value is shown and edited.
enum PropertyStyle : qint32 {
    propHeader = 0, ///< full-width group title row; never made current by the mouse
    propBoolean = 1, ///< value text
    propColor = 2, ///< colour swatch, then the value text
    propcalendar = 3, ///< a date in the short date format
    propFile = 4, ///< value text (a file name)
    propFolder = 5, ///< value text (a folder name)
    propList = 6, ///< value text
    propNumber = 7, ///< a whole number in decimal text
    propString = 8, ///< value text, edited in the inner text box
    propVariant = 9, ///< value text
    propBrowse = 10, ///< value text, edited with a browse button
    propcombo = 11, ///< choices supplied by the host when the editor opens
};
Q_ENUM_NS(PropertyStyle)

/// Whether the mouse can make an item current.
enum Itembehavior : qint32 { ItemEnabled = 0, ItemDisabled = 1 };
Q_ENUM_NS(Itembehavior)

/// The control's border.
enum class BorderS : qint16 { NoBorder = 0, Border = 1 };
Q_ENUM_NS(BorderS)

/// The look of header rows: plain button face, or the gradient look.
enum class Style : qint32 { Standard = 0, CoolXP = 1 };
Q_ENUM_NS(Style)

/// Grid lines between rows and columns (Solid and dotted draw alike).
enum class GridLines : qint32 { None = 0, Solid = 1, dotted = 2 };
Q_ENUM_NS(GridLines)

/// Declared for hosts that name it; the control does not use it. ThreeD stands for "3D".
enum class AppearanceCts : qint32 { Flat = 1, ThreeD = 2 };
Q_ENUM_NS(AppearanceCts)

/// Declared for hosts that name it; the control does not use it.
enum class BorderStyleCts : qint32 { None = 0, FixedSingle = 1 };
Q_ENUM_NS(BorderStyleCts)

/// One row of the list, as the host adds it.
struct Item
{
    QString Key; ///< unique, compared without regard to letter case
    QString Caption; ///< name column text; the group title of a header
    PropertyStyle Style = propHeader; ///< how the value is shown and edited
    QString Value; ///< the value, always held as text
    QString Description; ///< shown in the description pane when the item is clicked
    StdPicture Icon; ///< optional 16 x 16 picture, shared with the host
    Itembehavior Status = ItemEnabled; ///< a disabled item is never made current by the mouse
    bool Locked = false; ///< text lock handed to the browse editor
};

} // namespace Tabulon

Q_DECLARE_METATYPE(Tabulon::Item)
