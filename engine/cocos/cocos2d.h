#ifndef __COCOS2D_H__
#define __COCOS2D_H__

// The whole engine in one include.

#define COCOS2D_VERSION 0x00031700

#include "platform/CCPlatformConfig.h"
#include "platform/CCPlatformMacros.h"
#include "platform/CCPlatformDefine.h"
#include "platform/CCGL.h"
#include "platform/CCStdC.h"

// base
#include "base/CCAutoreleasePool.h"
#include "base/CCConsole.h"
#include "base/CCDirector.h"
#include "base/CCEvent.h"
#include "base/CCEventCustom.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventKeyboard.h"
#include "base/CCEventListener.h"
#include "base/CCEventListenerCustom.h"
#include "base/CCEventListenerKeyboard.h"
#include "base/CCEventListenerMouse.h"
#include "base/CCEventListenerTouch.h"
#include "base/CCEventMouse.h"
#include "base/CCEventTouch.h"
#include "base/CCMap.h"
#include "base/CCProtocols.h"
#include "base/CCRef.h"
#include "base/CCScheduler.h"
#include "base/CCTouch.h"
#include "base/CCVector.h"
#include "base/ccConfig.h"
#include "base/ccMacros.h"
#include "base/ccRandom.h"
#include "base/ccTypes.h"
#if __has_include("base/CCValue.h")
#include "base/CCValue.h"
#endif
#if __has_include("base/ccUtils.h")
#include "base/ccUtils.h"
#endif
#if __has_include("base/CCData.h")
#include "base/CCData.h"
#endif
#if __has_include("base/ccUTF8.h")
#include "base/ccUTF8.h"
#endif
#if __has_include("base/CCUserDefault.h")
#include "base/CCUserDefault.h"
#endif
#if __has_include("base/CCIMEDelegate.h")
#include "base/CCIMEDelegate.h"
#endif
#if __has_include("base/CCIMEDispatcher.h")
#include "base/CCIMEDispatcher.h"
#endif

// the old object types and the notification centre
#if __has_include("deprecated/CCString.h")
#include "deprecated/CCString.h"
#endif
#if __has_include("deprecated/CCInteger.h")
#include "deprecated/CCInteger.h"
#endif
#if __has_include("deprecated/CCNotificationCenter.h")
#include "deprecated/CCNotificationCenter.h"
#endif

// math
#include "math/CCAffineTransform.h"
#include "math/CCGeometry.h"
#include "math/CCMath.h"
#include "math/CCMathBase.h"
#include "math/Mat4.h"
#include "math/Vec2.h"
#include "math/Vec3.h"
#include "math/Vec4.h"

// actions
#include "2d/CCAction.h"
#include "2d/CCActionInstant.h"
#include "2d/CCActionInterval.h"
#include "2d/CCActionManager.h"
#if __has_include("2d/CCActionEase.h")
#include "2d/CCActionEase.h"
#endif
#if __has_include("2d/CCActionTween.h")
#include "2d/CCActionTween.h"
#endif

// nodes
#include "2d/CCLayer.h"
#include "2d/CCNode.h"
#include "2d/CCScene.h"
#if __has_include("2d/CCSprite.h")
#include "2d/CCSprite.h"
#endif
#if __has_include("2d/CCSpriteFrame.h")
#include "2d/CCSpriteFrame.h"
#endif
#if __has_include("2d/CCSpriteFrameCache.h")
#include "2d/CCSpriteFrameCache.h"
#endif
#if __has_include("2d/CCAnimation.h")
#include "2d/CCAnimation.h"
#endif
#if __has_include("2d/CCAnimationCache.h")
#include "2d/CCAnimationCache.h"
#endif
#if __has_include("2d/CCLabel.h")
#include "2d/CCLabel.h"
#endif
#if __has_include("2d/CCLabelAtlas.h")
#include "2d/CCLabelAtlas.h"
#endif
#if __has_include("2d/CCAtlasNode.h")
#include "2d/CCAtlasNode.h"
#endif
#if __has_include("2d/CCTextFieldTTF.h")
#include "2d/CCTextFieldTTF.h"
#endif
#if __has_include("2d/CCClippingNode.h")
#include "2d/CCClippingNode.h"
#endif
#if __has_include("2d/CCDrawNode.h")
#include "2d/CCDrawNode.h"
#endif
#if __has_include("2d/CCSpriteBatchNode.h")
#include "2d/CCSpriteBatchNode.h"
#endif
#if __has_include("2d/CCLabelBMFont.h")
#include "2d/CCLabelBMFont.h"
#endif
#if __has_include("2d/CCLabelTTF.h")
#include "2d/CCLabelTTF.h"
#endif
#if __has_include("2d/CCMenu.h")
#include "2d/CCMenu.h"
#endif
#if __has_include("2d/CCMenuItem.h")
#include "2d/CCMenuItem.h"
#endif
#if __has_include("2d/CCRenderTexture.h")
#include "2d/CCRenderTexture.h"
#endif
#if __has_include("2d/CCProgressTimer.h")
#include "2d/CCProgressTimer.h"
#endif
#if __has_include("2d/CCTransition.h")
#include "2d/CCTransition.h"
#endif
#if __has_include("2d/CCFontAtlas.h")
#include "2d/CCFontAtlas.h"
#endif
#if __has_include("2d/CCFontAtlasCache.h")
#include "2d/CCFontAtlasCache.h"
#endif
#if __has_include("2d/CCFontFreeType.h")
#include "2d/CCFontFreeType.h"
#endif

// rendering
#if __has_include("renderer/CCTexture2D.h")
#include "renderer/CCTexture2D.h"
#endif
#if __has_include("renderer/CCTextureCache.h")
#include "renderer/CCTextureCache.h"
#endif
#if __has_include("renderer/CCGLProgram.h")
#include "renderer/CCGLProgram.h"
#endif
#if __has_include("renderer/CCGLProgramState.h")
#include "renderer/CCGLProgramState.h"
#endif
#if __has_include("renderer/CCGLProgramCache.h")
#include "renderer/CCGLProgramCache.h"
#endif
#if __has_include("renderer/ccShaders.h")
#include "renderer/ccShaders.h"
#endif
#if __has_include("renderer/CCRenderer.h")
#include "renderer/CCRenderer.h"
#endif
#if __has_include("renderer/CCQuadCommand.h")
#include "renderer/CCQuadCommand.h"
#endif
#if __has_include("renderer/CCCustomCommand.h")
#include "renderer/CCCustomCommand.h"
#endif
#if __has_include("renderer/CCGroupCommand.h")
#include "renderer/CCGroupCommand.h"
#endif
#if __has_include("renderer/CCTextureAtlas.h")
#include "renderer/CCTextureAtlas.h"
#endif
#if __has_include("renderer/CCTrianglesCommand.h")
#include "renderer/CCTrianglesCommand.h"
#endif
#if __has_include("renderer/CCMeshCommand.h")
#include "renderer/CCMeshCommand.h"
#endif
#if __has_include("renderer/CCRenderCommand.h")
#include "renderer/CCRenderCommand.h"
#endif

// platform
#include "platform/CCGLView.h"
#include "platform/desktop/CCGLViewImpl-desktop.h"
#if __has_include("platform/CCApplication.h")
#include "platform/CCApplication.h"
#endif
#if __has_include("platform/CCCommon.h")
#include "platform/CCCommon.h"
#endif
#if __has_include("platform/CCDevice.h")
#include "platform/CCDevice.h"
#endif
#if __has_include("platform/CCApplicationProtocol.h")
#include "platform/CCApplicationProtocol.h"
#endif
#if __has_include("platform/CCFileUtils.h")
#include "platform/CCFileUtils.h"
#endif
#if __has_include("platform/CCImage.h")
#include "platform/CCImage.h"
#endif
#if __has_include("platform/CCSAXParser.h")
#include "platform/CCSAXParser.h"
#endif

NS_CC_BEGIN

CC_DLL const char* cocos2dVersion();

NS_CC_END

#endif
