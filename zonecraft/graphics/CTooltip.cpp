#include "CTooltip.h"

#include "CTooltipWindow.h"

CTooltip::CTooltip() = default;

CTooltip::~CTooltip()
{
    Delete_TooltipFunction();
}

bool CTooltip::Create()
{
    Delete_TooltipFunction();
    if (!m_parent)
        return true;

    TipSettings settings;
    settings.toolRect = m_parent->rect();
    settings.text = m_text;
    settings.title = m_title;
    settings.balloon = m_style == Balloon;
    settings.centered = m_centered;
    // Only colours other than the system tip colours are handed to the tip,
    // so by default it follows the palette's tip colours.
    if (m_foreColor != SystemToolTipForeColor())
        settings.textColor = Zel::toQColor(m_foreColor);
    if (m_backColor != SystemToolTipBackColor())
        settings.backColor = Zel::toQColor(m_backColor);
    m_window = new CTooltipWindow(m_parent, std::move(settings));
    return true;
}

void CTooltip::Delete_TooltipFunction()
{
    // The window may already be gone with its owner; the pointer then reads null.
    delete m_window.data();
    m_window = nullptr;
}
