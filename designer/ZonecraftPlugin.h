#pragma once

#include "ControlPlugin.h"

/// Qt Designer plugin of the Zonecraft library.
class ZonecraftPlugin : public ControlPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QDesignerCustomWidgetInterface_iid)

public:
    explicit ZonecraftPlugin(QObject* parent = nullptr);
};
