#pragma once

#include <QObject>

namespace zc {

class FigureCollection;
class Figure;

/// A figure as the control hands it to preview code and hosts: an object
/// offering `Selected` and `ControlIndex` through the meta-object system.
///
/// It names its figure by number and looks it up on every access, so it
/// stays safe to hold while figures are removed, re-created or converted:
/// without a figure of its number it reads as not selected and ignores
/// writes.
class FigureObject : public QObject
{
    Q_OBJECT
    /// The figure's hover/selection flag.
    Q_PROPERTY(bool Selected READ Selected WRITE setSelected)
    /// The figure's number.
    Q_PROPERTY(qint32 ControlIndex READ ControlIndex CONSTANT)

public:
    FigureObject(FigureCollection& figures, qint32 number);
    ~FigureObject() override;

    bool Selected() const;
    void setSelected(bool New_Selected);
    qint32 ControlIndex() const { return m_number; }

    /// The figure of this number now, or null.
    Figure* figure() const;

private:
    FigureCollection& m_figures;
    const qint32 m_number;
};

} // namespace zc
