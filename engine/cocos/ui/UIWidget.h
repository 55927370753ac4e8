#ifndef __UIWIDGET_H__
#define __UIWIDGET_H__

#include "2d/CCNode.h"
#include "ui/GUIExport.h"

NS_CC_BEGIN
namespace ui {

/** Base of the user-interface widgets: where their images come from and
 *  whether they are enabled and take touches. */
class CC_GUI_DLL Widget : public Node
{
public:
    enum class TextureResType
    {
        LOCAL = 0,
        PLIST = 1
    };

    enum class TouchEventType
    {
        BEGAN,
        MOVED,
        ENDED,
        CANCELED
    };

    virtual void setEnabled(bool enabled) { _enabled = enabled; }
    bool isEnabled() const { return _enabled; }
    virtual void setTouchEnabled(bool enabled) { _touchEnabled = enabled; }
    bool isTouchEnabled() const { return _touchEnabled; }

    Widget() : _enabled(true), _touchEnabled(false) {}
    virtual ~Widget() {}

protected:
    bool _enabled;
    bool _touchEnabled;
};

} // namespace ui
NS_CC_END

#endif
