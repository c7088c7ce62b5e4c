#pragma once

#include <QFont>
#include <QMetaType>
#include <QString>
#include <common/zelcommon_export.h>
#include <memory>

/// A font description held by reference: copies of a StdFont share one
/// object, as the host's font objects do, so a control that keeps the font a
/// host assigned sees the host's later edits. Assigning a new StdFont
/// replaces the reference.
class ZELCOMMON_EXPORT StdFont
{
public:
    /// A new font object ("MS Sans Serif", 8 pt, regular).
    StdFont();
    /// A new font object with the given name and point size.
    StdFont(const QString& name, double size);
    /// A new font object describing \a font.
    static StdFont fromQFont(const QFont& font);

    /// \name Font attributes
    ///@{

    /// The getter or setter of the font attribute of that name (name, point size,
    /// bold, italic, underline, strikethrough, character set).
    QString Name() const;
    void setName(const QString& New_Name);
    double Size() const;
    void setSize(double New_Size);
    bool Bold() const;
    void setBold(bool New_Bold);
    bool Italic() const;
    void setItalic(bool New_Italic);
    bool Underline() const;
    void setUnderline(bool New_Underline);
    bool Strikethrough() const;
    void setStrikethrough(bool New_Strikethrough);
    qint16 Charset() const;
    void setCharset(qint16 New_Charset);
    ///@}

    /// 400 regular, 700 bold.
    qint16 Weight() const;
    /// Sets the weight; Bold follows it.
    void setWeight(qint16 New_Weight);

    /// The Qt font to draw with; names without a local font are substituted.
    QFont toQFont() const;
    /// A new, independent object with the same description.
    StdFont clone() const;

    /// True when both refer to the same font object.
    bool isSameObject(const StdFont& other) const { return d == other.d; }
    /// True when both describe the same font.
    bool operator==(const StdFont& other) const;

private:
    struct Data;
    std::shared_ptr<Data> d;
};

Q_DECLARE_METATYPE(StdFont)
