#ifndef __CC_GLVIEWIMPL_DESKTOP_H__
#define __CC_GLVIEWIMPL_DESKTOP_H__

#include "platform/CCGLView.h"

NS_CC_BEGIN

// The desktop window: a frame of the given size, nothing on screen.
class CC_DLL GLViewImpl : public GLView
{
public:
    static GLViewImpl* create(const std::string& viewName);
    static GLViewImpl* create(const std::string& viewName, bool resizable);
    static GLViewImpl* createWithRect(const std::string& viewName, Rect size, float frameZoomFactor = 1.0f,
                                      bool resizable = false);
    static GLViewImpl* createWithFullScreen(const std::string& viewName);

    bool windowShouldClose() override { return _shouldClose; }
    bool isOpenGLReady() override { return true; }
    void setWindowed(int width, int height) { setFrameSize((float)width, (float)height); }
    void setFullscreen() {}
    bool isFullscreen() const { return false; }
    Vec2 getMonitorSize() const { return Vec2(1024, 768); }

protected:
    GLViewImpl(bool initglfw = true);
    virtual ~GLViewImpl();

    bool initWithRect(const std::string& viewName, Rect rect, float frameZoomFactor, bool resizable);
};

NS_CC_END

#endif
