#pragma once

#include "ControlPlugin.h"

/// Qt Designer plugin of the Glyphon library.
class GlyphonPlugin : public ControlPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QDesignerCustomWidgetInterface_iid)

public:
    explicit GlyphonPlugin(QObject* parent = nullptr);
};
