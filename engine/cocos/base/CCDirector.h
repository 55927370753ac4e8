#ifndef __CCDIRECTOR_H__
#define __CCDIRECTOR_H__

#include <stack>
#include <string>
#include <vector>
#include "base/CCRef.h"
#include "base/CCVector.h"
#include "base/ccTypes.h"
#include "math/CCMath.h"
#include "platform/CCGL.h"

NS_CC_BEGIN

class ActionManager;
class EventCustom;
class EventDispatcher;
class GLView;
class Node;
class Renderer;
class Scene;
class Scheduler;
class TextureCache;

enum class MATRIX_STACK_TYPE
{
    MATRIX_STACK_MODELVIEW,
    MATRIX_STACK_PROJECTION,
    MATRIX_STACK_TEXTURE
};

// The one director: owns the scene stack, the scheduler, the action manager
// and the event dispatcher, and runs frames.
//
// There is no display loop: the host (a test, a demo, the application's
// run()) calls mainLoop(dt) once per frame. A frame updates the scheduler by
// dt (actions included), switches to a scene given by runWithScene /
// replaceScene / pushScene / popScene since the last frame, visits the
// running scene, then drains the autorelease pool.
class CC_DLL Director : public Ref
{
public:
    static const char* EVENT_BEFORE_SET_NEXT_SCENE;
    static const char* EVENT_AFTER_SET_NEXT_SCENE;
    static const char* EVENT_PROJECTION_CHANGED;
    static const char* EVENT_BEFORE_UPDATE;
    static const char* EVENT_AFTER_UPDATE;
    static const char* EVENT_RESET;
    static const char* EVENT_AFTER_VISIT;
    static const char* EVENT_AFTER_DRAW;
    static const char* EVENT_BEFORE_DRAW;

    enum class Projection
    {
        _2D,
        _3D,
        CUSTOM,
        DEFAULT = _3D,
    };

    static Director* getInstance();
    CC_DEPRECATED_ATTRIBUTE static Director* sharedDirector() { return Director::getInstance(); }

    Director();
    virtual ~Director();
    bool init();

    Scene* getRunningScene() { return _runningScene; }
    double getAnimationInterval() { return _animationInterval; }
    void setAnimationInterval(float interval) { _animationInterval = interval; }
    bool isDisplayStats() { return _displayStats; }
    void setDisplayStats(bool displayStats) { _displayStats = displayStats; }
    float getSecondsPerFrame() { return _secondsPerFrame; }

    GLView* getOpenGLView() { return _openGLView; }
    void setOpenGLView(GLView* openGLView);

    bool isNextDeltaTimeZero() { return _nextDeltaTimeZero; }
    void setNextDeltaTimeZero(bool nextDeltaTimeZero) { _nextDeltaTimeZero = nextDeltaTimeZero; }
    bool isPaused() { return _paused; }
    unsigned int getTotalFrames() { return _totalFrames; }

    Projection getProjection() { return _projection; }
    void setProjection(Projection projection);
    void setViewport() {}
    bool isSendCleanupToScene() { return _sendCleanupToScene; }
    Node* getNotificationNode() const { return _notificationNode; }
    void setNotificationNode(Node* node);

    // The design resolution, in points.
    const Size& getWinSize() const;
    Size getWinSizeInPixels() const;
    Size getVisibleSize() const;
    Vec2 getVisibleOrigin() const;
    Rect getSafeAreaRect() const;

    // View (origin top left) and scene (origin bottom left) coordinates.
    Vec2 convertToGL(const Vec2& point);
    Vec2 convertToUI(const Vec2& point);
    float getZEye() const;

    // The scene becomes the running one in the next frame.
    void runWithScene(Scene* scene);
    void pushScene(Scene* scene);
    void popScene();
    void popToRootScene();
    void popToSceneStackLevel(int level);
    void replaceScene(Scene* scene);

    // Ends the director in the next frame: scenes leave, caches are cleared.
    void end();
    void pause();
    void resume();
    void restart();
    void stopAnimation() { _invalid = true; }
    void startAnimation() { _invalid = false; }

    void drawScene();
    void purgeCachedData();
    void setDefaultValues() {}
    void setGLDefaultValues() {}
    void setAlphaBlending(bool on) { CC_UNUSED_PARAM(on); }
    void setClearColor(const Color4F& clearColor) { CC_UNUSED_PARAM(clearColor); }
    void setDepthTest(bool on) { CC_UNUSED_PARAM(on); }

    // One frame of dt seconds; mainLoop() uses the animation interval.
    void mainLoop();
    void mainLoop(float dt);

    void setContentScaleFactor(float scaleFactor);
    float getContentScaleFactor() const { return _contentScaleFactor; }

    Scheduler* getScheduler() const { return _scheduler; }
    void setScheduler(Scheduler* scheduler);
    ActionManager* getActionManager() const { return _actionManager; }
    void setActionManager(ActionManager* actionManager);
    EventDispatcher* getEventDispatcher() const { return _eventDispatcher; }
    void setEventDispatcher(EventDispatcher* dispatcher);
    Renderer* getRenderer() const { return _renderer; }
    TextureCache* getTextureCache() const;

    float getDeltaTime() const { return _deltaTime; }
    float getFrameRate() const { return _frameRate; }

    void pushMatrix(MATRIX_STACK_TYPE type);
    void popMatrix(MATRIX_STACK_TYPE type);
    void loadIdentityMatrix(MATRIX_STACK_TYPE type);
    void loadMatrix(MATRIX_STACK_TYPE type, const Mat4& mat);
    void multiplyMatrix(MATRIX_STACK_TYPE type, const Mat4& mat);
    const Mat4& getMatrix(MATRIX_STACK_TYPE type) const;
    void resetMatrixStack();

    bool isValid() const { return !_invalid; }

protected:
    void reset();
    void purgeDirector();
    void restartDirector();
    void setNextScene();
    void initMatrixStack();
    std::vector<Mat4>& stackFor(MATRIX_STACK_TYPE type);

    bool _purgeDirectorInNextLoop;
    bool _restartDirectorInNextLoop;
    Scheduler* _scheduler;
    ActionManager* _actionManager;
    EventDispatcher* _eventDispatcher;
    EventCustom* _eventProjectionChanged;
    EventCustom* _eventBeforeDraw;
    EventCustom* _eventAfterDraw;
    EventCustom* _eventAfterVisit;
    EventCustom* _eventBeforeUpdate;
    EventCustom* _eventAfterUpdate;
    EventCustom* _eventResetDirector;
    EventCustom* _beforeSetNextScene;
    EventCustom* _afterSetNextScene;
    float _deltaTime;
    bool _deltaTimePassedByCaller;
    GLView* _openGLView;
    mutable TextureCache* _textureCache;
    double _animationInterval;
    double _oldAnimationInterval;
    bool _landscape;
    bool _displayStats;
    float _accumDt;
    float _frameRate;
    bool _paused;
    unsigned int _totalFrames;
    float _secondsPerFrame;
    Scene* _runningScene;
    Scene* _nextScene;
    bool _sendCleanupToScene;
    Vector<Scene*> _scenesStack;
    Projection _projection;
    Size _winSizeInPoints;
    float _contentScaleFactor;
    Node* _notificationNode;
    Renderer* _renderer;
    bool _nextDeltaTimeZero;
    bool _invalid;
    bool _isStatusLabelUpdated;
    std::vector<Mat4> _modelViewMatrixStack;
    std::vector<Mat4> _projectionMatrixStack;
    std::vector<Mat4> _textureMatrixStack;

    friend class GLView;
};

NS_CC_END

#endif
