#pragma once

#include <QObject>
#include <common/OleColor.h>

namespace zc {

/// The colours of the tab look, one setting for every control of the library
/// in the process: a change made through one control shows on all of them.
class TabColors : public QObject
{
    Q_OBJECT
public:
    static TabColors& instance();

    /// The face of a selected tab.
    OLE_COLOR back() const { return m_back; }
    void setBack(OLE_COLOR color);
    /// The outline of a tab under the pointer.
    OLE_COLOR border() const { return m_border; }
    void setBorder(OLE_COLOR color);
    /// The face of a tab under the pointer.
    OLE_COLOR mouseOver() const { return m_mouseOver; }
    void setMouseOver(OLE_COLOR color);

Q_SIGNALS:
    /// One of the colours changed; every tab repaints.
    void changed();

private:
    TabColors() = default;
    void assign(OLE_COLOR& member, OLE_COLOR color);

    OLE_COLOR m_back = 0;
    OLE_COLOR m_border = 0;
    OLE_COLOR m_mouseOver = 0;
};

} // namespace zc
