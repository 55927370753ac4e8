#include "services/CAutoScreen.h"

cocos2d::Size CAutoScreen::sceneResolute = cocos2d::Size(0.0f, 0.0f);
bool CAutoScreen::resoluteBool = false;
cocos2d::Size CAutoScreen::sceneSize = cocos2d::Size(0.0f, 0.0f);
float CAutoScreen::sceneScale = 0.0f;

void CAutoScreen::SetSceneResolute(float designWidth, float designHeight)
{
    sceneResolute = cocos2d::Size(designWidth, designHeight);
    cocos2d::GLView* view = cocos2d::Director::getInstance()->getOpenGLView();
    const cocos2d::Size frame = view != nullptr ? view->getFrameSize() : cocos2d::Size::ZERO;
    if (frame.width <= 0.0f || frame.height <= 0.0f || designWidth <= 0.0f || designHeight <= 0.0f) {
        // Without a frame (or a design) there is nothing to fit: the scene is the design.
        resoluteBool = false;
        sceneSize = sceneResolute;
        sceneScale = 1.0f;
        return;
    }

    const float rx = designWidth / frame.width;
    const float ry = designHeight / frame.height;
    resoluteBool = rx > ry;
    const float s = rx > ry ? rx : ry;
    if (resoluteBool) {
        sceneSize = cocos2d::Size(designWidth, frame.height * s);
        sceneScale = frame.height * s / designHeight;
    } else {
        sceneSize = cocos2d::Size(frame.width * s, designHeight);
        sceneScale = frame.width * s / designWidth;
    }

    view->setDesignResolutionSize(sceneSize.width, sceneSize.height, ResolutionPolicy::SHOW_ALL);
    cocos2d::Director::getInstance()->setContentScaleFactor(1.0f);
}

float CAutoScreen::GetChangeWidth()
{
    return resoluteBool ? 0.0f : sceneSize.width - sceneResolute.width;
}

float CAutoScreen::GetChangeHeight()
{
    return resoluteBool ? sceneSize.height - sceneResolute.height : 0.0f;
}

cocos2d::Size CAutoScreen::GetChangeSize()
{
    return cocos2d::Size(GetChangeWidth(), GetChangeHeight());
}
