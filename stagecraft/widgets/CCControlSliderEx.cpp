#include "widgets/CCControlSliderEx.h"

#include <new>

CCControlSliderEx::CCControlSliderEx()
{
    setMinimumValue(0.0f);
    setMaximumValue(1.0f);
}

CCControlSliderEx* CCControlSliderEx::create()
{
    CCControlSliderEx* slider = new (std::nothrow) CCControlSliderEx();
    if (slider != nullptr && slider->init()) {
        slider->autorelease();
        return slider;
    }
    delete slider;
    return nullptr;
}
