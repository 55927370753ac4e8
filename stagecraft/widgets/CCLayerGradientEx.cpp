#include "widgets/CCLayerGradientEx.h"

#include <new>

CCLayerGradientEx* CCLayerGradientEx::create()
{
    CCLayerGradientEx* layer = new (std::nothrow) CCLayerGradientEx();
    if (layer != nullptr && layer->init()) {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}
