// How a layout designed for one resolution fills a frame of another aspect
// ratio: the design is kept along one axis and the scene stretched along the
// other to the frame's aspect ratio. Set up once by the game.
#pragma once

#include "cocos2d.h"

#include "StagecraftExport.h"

class STAGECRAFT_API CAutoScreen {
public:
    // Reads the frame size from the engine's view, decides the scene size and
    // scale, and gives the scene size to the view (show-all policy).
    static void SetSceneResolute(float designWidth, float designHeight);

    static cocos2d::Size GetSceneSize() { return sceneSize; }
    static float GetSceneWidth() { return sceneSize.width; }
    static float GetSceneHeight() { return sceneSize.height; }
    static float GetSceneScale() { return sceneScale; }
    static bool GetResoluteBool() { return resoluteBool; }
    static cocos2d::Size GetResoluteSize() { return sceneResolute; }
    static float GetResoluteWidth() { return sceneResolute.width; }
    static float GetResoluteHeight() { return sceneResolute.height; }

    // The extra room of the scene over the design, along the stretched axis only.
    static float GetChangeWidth();
    static float GetChangeHeight();
    static cocos2d::Size GetChangeSize();

    static void SetResoluteBool(bool stretchedVertically) { resoluteBool = stretchedVertically; }
    static void SetSceneScale(float scale) { sceneScale = scale; }
    static void SetSceneSize(float width, float height) { sceneSize = cocos2d::Size(width, height); }
    static void SetSceneSize(cocos2d::Size size) { sceneSize = size; }

    static cocos2d::Size sceneResolute;
    static bool resoluteBool;
    static cocos2d::Size sceneSize;
    static float sceneScale;

private:
    CAutoScreen() = delete;
};
