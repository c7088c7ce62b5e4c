#pragma once

#include "ControlPlugin.h"

/// Qt Designer plugin of the Tabulon library.
class TabulonPlugin : public ControlPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QDesignerCustomWidgetInterface_iid)

public:
    explicit TabulonPlugin(QObject* parent = nullptr);
};
