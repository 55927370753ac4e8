#include "platform/desktop/CCGLViewImpl-desktop.h"

NS_CC_BEGIN

GLViewImpl::GLViewImpl(bool initglfw)
{
    CC_UNUSED_PARAM(initglfw);
}

GLViewImpl::~GLViewImpl()
{
}

GLViewImpl* GLViewImpl::create(const std::string& viewName)
{
    return GLViewImpl::create(viewName, false);
}

GLViewImpl* GLViewImpl::create(const std::string& viewName, bool resizable)
{
    return createWithRect(viewName, Rect(0, 0, 960, 640), 1.0f, resizable);
}

GLViewImpl* GLViewImpl::createWithRect(const std::string& viewName, Rect rect, float frameZoomFactor, bool resizable)
{
    auto ret = new (std::nothrow) GLViewImpl();
    if (ret && ret->initWithRect(viewName, rect, frameZoomFactor, resizable))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

GLViewImpl* GLViewImpl::createWithFullScreen(const std::string& viewName)
{
    return createWithRect(viewName, Rect(0, 0, 1024, 768), 1.0f, false);
}

bool GLViewImpl::initWithRect(const std::string& viewName, Rect rect, float frameZoomFactor, bool resizable)
{
    CC_UNUSED_PARAM(resizable);
    setViewName(viewName);
    _frameZoomFactor = frameZoomFactor;
    setFrameSize(rect.size.width, rect.size.height);
    return true;
}

NS_CC_END
