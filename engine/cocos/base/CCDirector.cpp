#include "base/CCDirector.h"

#include "2d/CCActionManager.h"
#include "2d/CCScene.h"
#include "base/CCAutoreleasePool.h"
#include "base/CCEventCustom.h"
#include "base/CCEventDispatcher.h"
#include "base/CCScheduler.h"
#include "platform/CCGLView.h"

#if __has_include("renderer/CCRenderer.h")
#include "renderer/CCRenderer.h"
#define CC_DIRECTOR_HAS_RENDERER 1
#else
#define CC_DIRECTOR_HAS_RENDERER 0
#endif
#if __has_include("renderer/CCTextureCache.h")
#include "renderer/CCTextureCache.h"
#define CC_DIRECTOR_HAS_TEXTURE_CACHE 1
#else
#define CC_DIRECTOR_HAS_TEXTURE_CACHE 0
#endif

NS_CC_BEGIN

const char* Director::EVENT_BEFORE_SET_NEXT_SCENE = "director_before_set_next_scene";
const char* Director::EVENT_AFTER_SET_NEXT_SCENE = "director_after_set_next_scene";
const char* Director::EVENT_PROJECTION_CHANGED = "director_projection_changed";
const char* Director::EVENT_AFTER_DRAW = "director_after_draw";
const char* Director::EVENT_BEFORE_DRAW = "director_before_draw";
const char* Director::EVENT_AFTER_VISIT = "director_after_visit";
const char* Director::EVENT_BEFORE_UPDATE = "director_before_update";
const char* Director::EVENT_AFTER_UPDATE = "director_after_update";
const char* Director::EVENT_RESET = "director_reset";

static Director* s_SharedDirector = nullptr;

Director* Director::getInstance()
{
    if (!s_SharedDirector)
    {
        s_SharedDirector = new (std::nothrow) Director();
        s_SharedDirector->init();
    }
    return s_SharedDirector;
}

Director::Director()
: _purgeDirectorInNextLoop(false)
, _restartDirectorInNextLoop(false)
, _scheduler(nullptr)
, _actionManager(nullptr)
, _eventDispatcher(nullptr)
, _eventProjectionChanged(nullptr)
, _eventBeforeDraw(nullptr)
, _eventAfterDraw(nullptr)
, _eventAfterVisit(nullptr)
, _eventBeforeUpdate(nullptr)
, _eventAfterUpdate(nullptr)
, _eventResetDirector(nullptr)
, _beforeSetNextScene(nullptr)
, _afterSetNextScene(nullptr)
, _deltaTime(0.0f)
, _deltaTimePassedByCaller(false)
, _openGLView(nullptr)
, _textureCache(nullptr)
, _animationInterval(1.0 / 60)
, _oldAnimationInterval(1.0 / 60)
, _landscape(false)
, _displayStats(false)
, _accumDt(0.0f)
, _frameRate(0.0f)
, _paused(false)
, _totalFrames(0)
, _secondsPerFrame(1.0f)
, _runningScene(nullptr)
, _nextScene(nullptr)
, _sendCleanupToScene(false)
, _projection(Projection::DEFAULT)
, _contentScaleFactor(1.0f)
, _notificationNode(nullptr)
, _renderer(nullptr)
, _nextDeltaTimeZero(false)
, _invalid(false)
, _isStatusLabelUpdated(true)
{
}

bool Director::init()
{
    _scheduler = new (std::nothrow) Scheduler();
    _actionManager = new (std::nothrow) ActionManager();
    _scheduler->scheduleUpdate(_actionManager, Scheduler::PRIORITY_SYSTEM, false);
    _eventDispatcher = new (std::nothrow) EventDispatcher();

    _beforeSetNextScene = new (std::nothrow) EventCustom(EVENT_BEFORE_SET_NEXT_SCENE);
    _afterSetNextScene = new (std::nothrow) EventCustom(EVENT_AFTER_SET_NEXT_SCENE);
    _eventAfterDraw = new (std::nothrow) EventCustom(EVENT_AFTER_DRAW);
    _eventBeforeDraw = new (std::nothrow) EventCustom(EVENT_BEFORE_DRAW);
    _eventAfterVisit = new (std::nothrow) EventCustom(EVENT_AFTER_VISIT);
    _eventBeforeUpdate = new (std::nothrow) EventCustom(EVENT_BEFORE_UPDATE);
    _eventAfterUpdate = new (std::nothrow) EventCustom(EVENT_AFTER_UPDATE);
    _eventProjectionChanged = new (std::nothrow) EventCustom(EVENT_PROJECTION_CHANGED);
    _eventResetDirector = new (std::nothrow) EventCustom(EVENT_RESET);

#if CC_DIRECTOR_HAS_RENDERER
    _renderer = new (std::nothrow) Renderer();
#endif
    initMatrixStack();
    return true;
}

Director::~Director()
{
    CC_SAFE_RELEASE(_runningScene);
    CC_SAFE_RELEASE(_notificationNode);
    _scenesStack.clear();
    CC_SAFE_RELEASE(_beforeSetNextScene);
    CC_SAFE_RELEASE(_afterSetNextScene);
    CC_SAFE_RELEASE(_eventBeforeUpdate);
    CC_SAFE_RELEASE(_eventAfterUpdate);
    CC_SAFE_RELEASE(_eventAfterDraw);
    CC_SAFE_RELEASE(_eventBeforeDraw);
    CC_SAFE_RELEASE(_eventAfterVisit);
    CC_SAFE_RELEASE(_eventProjectionChanged);
    CC_SAFE_RELEASE(_eventResetDirector);
#if CC_DIRECTOR_HAS_RENDERER
    delete _renderer;
#endif
#if CC_DIRECTOR_HAS_TEXTURE_CACHE
    CC_SAFE_RELEASE(_textureCache);
#endif
    CC_SAFE_RELEASE(_openGLView);
    CC_SAFE_RELEASE(_eventDispatcher);
    CC_SAFE_RELEASE(_actionManager);
    CC_SAFE_RELEASE(_scheduler);
    if (s_SharedDirector == this)
        s_SharedDirector = nullptr;
}

TextureCache* Director::getTextureCache() const
{
#if CC_DIRECTOR_HAS_TEXTURE_CACHE
    if (_textureCache == nullptr)
        _textureCache = new (std::nothrow) TextureCache();
#endif
    return _textureCache;
}

void Director::setOpenGLView(GLView* openGLView)
{
    if (_openGLView == openGLView)
        return;
    CC_SAFE_RETAIN(openGLView);
    CC_SAFE_RELEASE(_openGLView);
    _openGLView = openGLView;
    if (_openGLView)
        _winSizeInPoints = _openGLView->getDesignResolutionSize();
    _isStatusLabelUpdated = true;
}

void Director::setProjection(Projection projection)
{
    _projection = projection;
    if (_eventDispatcher)
        _eventDispatcher->dispatchEvent(_eventProjectionChanged);
}

void Director::setNotificationNode(Node* node)
{
    if (_notificationNode != nullptr)
    {
        _notificationNode->onExitTransitionDidStart();
        _notificationNode->onExit();
        _notificationNode->cleanup();
    }
    CC_SAFE_RELEASE(_notificationNode);
    _notificationNode = node;
    if (node == nullptr)
        return;
    _notificationNode->onEnter();
    _notificationNode->onEnterTransitionDidFinish();
    CC_SAFE_RETAIN(_notificationNode);
}

const Size& Director::getWinSize() const
{
    return _winSizeInPoints;
}

Size Director::getWinSizeInPixels() const
{
    return Size(_winSizeInPoints.width * _contentScaleFactor, _winSizeInPoints.height * _contentScaleFactor);
}

Size Director::getVisibleSize() const
{
    if (_openGLView)
        return _openGLView->getVisibleSize();
    return _winSizeInPoints;
}

Vec2 Director::getVisibleOrigin() const
{
    if (_openGLView)
        return _openGLView->getVisibleOrigin();
    return Vec2::ZERO;
}

Rect Director::getSafeAreaRect() const
{
    return Rect(getVisibleOrigin(), getVisibleSize());
}

Vec2 Director::convertToGL(const Vec2& uiPoint)
{
    Size glSize = _openGLView ? _openGLView->getDesignResolutionSize() : _winSizeInPoints;
    return Vec2(uiPoint.x, glSize.height - uiPoint.y);
}

Vec2 Director::convertToUI(const Vec2& glPoint)
{
    Size glSize = _openGLView ? _openGLView->getDesignResolutionSize() : _winSizeInPoints;
    return Vec2(glPoint.x, glSize.height - glPoint.y);
}

float Director::getZEye() const
{
    return (_winSizeInPoints.height / 1.1566f);
}

void Director::setContentScaleFactor(float scaleFactor)
{
    if (scaleFactor != _contentScaleFactor)
    {
        _contentScaleFactor = scaleFactor;
        _isStatusLabelUpdated = true;
    }
}

void Director::setScheduler(Scheduler* scheduler)
{
    if (_scheduler != scheduler && scheduler)
    {
        scheduler->retain();
        CC_SAFE_RELEASE(_scheduler);
        _scheduler = scheduler;
    }
}

void Director::setActionManager(ActionManager* actionManager)
{
    if (_actionManager != actionManager && actionManager)
    {
        actionManager->retain();
        CC_SAFE_RELEASE(_actionManager);
        _actionManager = actionManager;
    }
}

void Director::setEventDispatcher(EventDispatcher* dispatcher)
{
    if (_eventDispatcher != dispatcher && dispatcher)
    {
        dispatcher->retain();
        CC_SAFE_RELEASE(_eventDispatcher);
        _eventDispatcher = dispatcher;
    }
}

// MARK: scenes

void Director::runWithScene(Scene* scene)
{
    if (scene == nullptr)
        return;
    pushScene(scene);
    startAnimation();
}

void Director::pushScene(Scene* scene)
{
    if (scene == nullptr)
        return;
    _sendCleanupToScene = false;
    _scenesStack.pushBack(scene);
    _nextScene = scene;
}

void Director::replaceScene(Scene* scene)
{
    if (scene == nullptr)
        return;
    if (_runningScene == nullptr && _scenesStack.empty())
    {
        runWithScene(scene);
        return;
    }
    if (scene == _nextScene)
        return;
    if (_nextScene)
    {
        if (_nextScene->isRunning())
        {
            _nextScene->onExitTransitionDidStart();
            _nextScene->onExit();
        }
        _nextScene->cleanup();
        _nextScene = nullptr;
    }
    ssize_t index = _scenesStack.size() - 1;
    _sendCleanupToScene = true;
    if (index >= 0)
        _scenesStack.replace(index, scene);
    else
        _scenesStack.pushBack(scene);
    _nextScene = scene;
}

void Director::popScene()
{
    if (_scenesStack.empty())
        return;
    _scenesStack.popBack();
    ssize_t c = _scenesStack.size();
    if (c == 0)
    {
        end();
    }
    else
    {
        _sendCleanupToScene = true;
        _nextScene = _scenesStack.at(c - 1);
    }
}

void Director::popToRootScene()
{
    popToSceneStackLevel(1);
}

void Director::popToSceneStackLevel(int level)
{
    ssize_t c = _scenesStack.size();
    if (level == 0)
    {
        end();
        return;
    }
    if (level >= c)
        return;
    auto firstOnStackScene = _scenesStack.back();
    if (firstOnStackScene == _runningScene)
    {
        _scenesStack.popBack();
        --c;
    }
    while (c > level)
    {
        auto current = _scenesStack.back();
        if (current->isRunning())
        {
            current->onExitTransitionDidStart();
            current->onExit();
        }
        current->cleanup();
        _scenesStack.popBack();
        --c;
    }
    _nextScene = _scenesStack.back();
    _sendCleanupToScene = true;
}

void Director::setNextScene()
{
    _eventDispatcher->dispatchEvent(_beforeSetNextScene);
    Scene* next = _nextScene;
    next->retain();
    _nextScene = nullptr;
    if (_runningScene)
    {
        _runningScene->onExitTransitionDidStart();
        _runningScene->onExit();
        if (_sendCleanupToScene)
            _runningScene->cleanup();
        _runningScene->release();
    }
    _runningScene = next;
    _runningScene->onEnter();
    _runningScene->onEnterTransitionDidFinish();
    _eventDispatcher->dispatchEvent(_afterSetNextScene);
}

// MARK: frames

void Director::pause()
{
    if (_paused)
        return;
    _oldAnimationInterval = _animationInterval;
    _paused = true;
}

void Director::resume()
{
    if (!_paused)
        return;
    _animationInterval = _oldAnimationInterval;
    _paused = false;
    _deltaTime = 0;
}

void Director::end()
{
    _purgeDirectorInNextLoop = true;
}

void Director::restart()
{
    _restartDirectorInNextLoop = true;
}

void Director::purgeCachedData()
{
#if CC_DIRECTOR_HAS_TEXTURE_CACHE
    if (_textureCache)
        _textureCache->removeUnusedTextures();
#endif
}

void Director::reset()
{
    if (_runningScene)
    {
        _runningScene->onExitTransitionDidStart();
        _runningScene->onExit();
        _runningScene->cleanup();
        _runningScene->release();
    }
    _runningScene = nullptr;
    _nextScene = nullptr;
    _eventDispatcher->dispatchEvent(_eventResetDirector);

    // The director lives on: its scheduler keeps driving the action manager.
    _scheduler->unscheduleAll();
    _actionManager->removeAllActions();
    _scheduler->scheduleUpdate(_actionManager, Scheduler::PRIORITY_SYSTEM, false);
    _eventDispatcher->removeAllEventListeners();
    _scenesStack.clear();
    stopAnimation();
    CC_SAFE_RELEASE_NULL(_notificationNode);
    resetMatrixStack();
#if CC_DIRECTOR_HAS_TEXTURE_CACHE
    CC_SAFE_RELEASE_NULL(_textureCache);
#endif
    _paused = false;
    _totalFrames = 0;
}

void Director::purgeDirector()
{
    reset();
    if (_openGLView)
    {
        _openGLView->end();
        CC_SAFE_RELEASE_NULL(_openGLView);
    }
    _winSizeInPoints = Size::ZERO;
}

void Director::restartDirector()
{
    reset();
    startAnimation();
}

void Director::drawScene()
{
    if (!_paused)
    {
        _eventDispatcher->dispatchEvent(_eventBeforeUpdate);
        _scheduler->update(_deltaTime);
        _eventDispatcher->dispatchEvent(_eventAfterUpdate);
    }

    if (_nextScene)
        setNextScene();

#if CC_DIRECTOR_HAS_RENDERER
    if (_renderer)
        _renderer->clear();
#endif
    pushMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
    _eventDispatcher->dispatchEvent(_eventBeforeDraw);
    if (_runningScene)
    {
        _runningScene->visit(_renderer, Mat4::IDENTITY, 0);
        _eventDispatcher->dispatchEvent(_eventAfterVisit);
    }
    if (_notificationNode)
        _notificationNode->visit(_renderer, Mat4::IDENTITY, 0);
#if CC_DIRECTOR_HAS_RENDERER
    if (_renderer)
        _renderer->render();
#endif
    _eventDispatcher->dispatchEvent(_eventAfterDraw);
    popMatrix(MATRIX_STACK_TYPE::MATRIX_STACK_MODELVIEW);
    _totalFrames++;
}

void Director::mainLoop()
{
    mainLoop(static_cast<float>(_animationInterval));
}

void Director::mainLoop(float dt)
{
    if (_purgeDirectorInNextLoop)
    {
        _purgeDirectorInNextLoop = false;
        purgeDirector();
    }
    else if (_restartDirectorInNextLoop)
    {
        _restartDirectorInNextLoop = false;
        restartDirector();
    }
    else if (!_invalid)
    {
        _deltaTime = _nextDeltaTimeZero ? 0.0f : (dt < 0 ? 0.0f : dt);
        _nextDeltaTimeZero = false;
        _deltaTimePassedByCaller = true;
        drawScene();
        if (_deltaTime > 0)
            _frameRate = 1.0f / _deltaTime;
    }
    // Objects autoreleased during the frame go now.
    PoolManager::getInstance()->getCurrentPool()->clear();
}

// MARK: matrix stacks

void Director::initMatrixStack()
{
    _modelViewMatrixStack.assign(1, Mat4::IDENTITY);
    _projectionMatrixStack.assign(1, Mat4::IDENTITY);
    _textureMatrixStack.assign(1, Mat4::IDENTITY);
}

void Director::resetMatrixStack()
{
    initMatrixStack();
}

std::vector<Mat4>& Director::stackFor(MATRIX_STACK_TYPE type)
{
    switch (type)
    {
    case MATRIX_STACK_TYPE::MATRIX_STACK_PROJECTION:
        return _projectionMatrixStack;
    case MATRIX_STACK_TYPE::MATRIX_STACK_TEXTURE:
        return _textureMatrixStack;
    default:
        return _modelViewMatrixStack;
    }
}

void Director::pushMatrix(MATRIX_STACK_TYPE type)
{
    auto& stack = stackFor(type);
    stack.push_back(stack.back());
}

void Director::popMatrix(MATRIX_STACK_TYPE type)
{
    auto& stack = stackFor(type);
    // The bottom matrix stays.
    if (stack.size() > 1)
        stack.pop_back();
}

void Director::loadIdentityMatrix(MATRIX_STACK_TYPE type)
{
    stackFor(type).back() = Mat4::IDENTITY;
}

void Director::loadMatrix(MATRIX_STACK_TYPE type, const Mat4& mat)
{
    stackFor(type).back() = mat;
}

void Director::multiplyMatrix(MATRIX_STACK_TYPE type, const Mat4& mat)
{
    auto& top = stackFor(type).back();
    top = top * mat;
}

const Mat4& Director::getMatrix(MATRIX_STACK_TYPE type) const
{
    return const_cast<Director*>(this)->stackFor(type).back();
}

NS_CC_END
