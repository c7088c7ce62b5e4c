// The preview members of Zonecraft; PreviewController does the work.

#include "Zonecraft.h"
#include "Zonecraft_p.h"

void Zonecraft::PreviewObject(QObject* Obj, bool ClickEvent, qint16 Button)
{
    d->preview->previewObject(Obj, ClickEvent, Button);
}

void Zonecraft::Tooltip_Caption(const QString& Text)
{
    d->preview->setCaption(Text);
}

void Zonecraft::Delete_Tooltip()
{
    d->preview->deleteTooltip();
}

bool Zonecraft::BrowserHitRules() const
{
    return d->preview->browserHitRules();
}

void Zonecraft::setBrowserHitRules(bool New_BrowserHitRules)
{
    if (d->preview->browserHitRules() == New_BrowserHitRules)
        return;
    d->preview->setBrowserHitRules(New_BrowserHitRules);
    PropertyChanged(QStringLiteral("BrowserHitRules"));
    Q_EMIT BrowserHitRulesChanged(BrowserHitRules());
}
