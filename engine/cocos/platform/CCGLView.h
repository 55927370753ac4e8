#ifndef __CCGLVIEW_H__
#define __CCGLVIEW_H__

#include <map>
#include <string>
#include <vector>
#include "base/CCEventKeyboard.h"
#include "base/CCEventMouse.h"
#include "base/CCRef.h"
#include "math/CCGeometry.h"

enum class ResolutionPolicy
{
    // The whole design area fills the frame; the aspect ratio may change.
    EXACT_FIT,
    // The design area fills the frame keeping its aspect ratio; parts may be cut.
    NO_BORDER,
    // The whole design area shows keeping its aspect ratio; borders may appear.
    SHOW_ALL,
    // The design height fills the frame; the design width follows the frame.
    FIXED_HEIGHT,
    // The design width fills the frame; the design height follows the frame.
    FIXED_WIDTH,

    UNKNOWN,
};

NS_CC_BEGIN

class Touch;

struct GLContextAttrs
{
    int redBits;
    int greenBits;
    int blueBits;
    int alphaBits;
    int depthBits;
    int stencilBits;
    int multisamplingCount;
};

// The window the engine draws in: a frame size in pixels, a design
// resolution in points and the policy mapping one onto the other. Without a
// display it only does the arithmetic, and it is where a host or a test
// feeds touches, mouse events and keys, given in window pixels (origin top
// left) like a real window delivers them.
class CC_DLL GLView : public Ref
{
public:
    GLView();
    virtual ~GLView();

    virtual void end();
    virtual bool isOpenGLReady() { return true; }
    virtual void swapBuffers() {}
    virtual void setIMEKeyboardState(bool open) { _imeKeyboardOpen = open; }
    // Whether the input method was last asked to open (text fields do that).
    bool getIMEKeyboardState() const { return _imeKeyboardOpen; }
    virtual bool windowShouldClose() { return _shouldClose; }
    virtual void pollEvents() {}

    static void setGLContextAttrs(GLContextAttrs& glContextAttrs);
    static GLContextAttrs getGLContextAttrs();
    static GLContextAttrs _glContextAttrs;

    virtual const Size& getFrameSize() const;
    virtual void setFrameSize(float width, float height);
    virtual void setFrameZoomFactor(float zoomFactor) { _frameZoomFactor = zoomFactor; }
    virtual float getFrameZoomFactor() const { return _frameZoomFactor; }
    virtual void setCursorVisible(bool isVisible) { CC_UNUSED_PARAM(isVisible); }
    virtual int getRetinaFactor() const { return 1; }
    virtual bool setContentScaleFactor(float scale);
    virtual float getContentScaleFactor() const;
    virtual bool isRetinaDisplay() const { return false; }

    virtual Size getVisibleSize() const;
    virtual Vec2 getVisibleOrigin() const;
    virtual Rect getVisibleRect() const;
    virtual Rect getSafeAreaRect() const;

    virtual void setDesignResolutionSize(float width, float height, ResolutionPolicy resolutionPolicy);
    virtual const Size& getDesignResolutionSize() const;

    virtual void setViewPortInPoints(float x, float y, float w, float h) { CC_UNUSED_PARAM(x); CC_UNUSED_PARAM(y); CC_UNUSED_PARAM(w); CC_UNUSED_PARAM(h); }
    virtual void setScissorInPoints(float x, float y, float w, float h);
    virtual bool isScissorEnabled();
    virtual Rect getScissorRect() const;

    virtual void setViewName(const std::string& viewname) { _viewName = viewname; }
    const std::string& getViewName() const { return _viewName; }

    // Touches: ids are the platform's, positions in window pixels.
    virtual void handleTouchesBegin(int num, intptr_t ids[], float xs[], float ys[]);
    virtual void handleTouchesMove(int num, intptr_t ids[], float xs[], float ys[]);
    virtual void handleTouchesEnd(int num, intptr_t ids[], float xs[], float ys[]);
    virtual void handleTouchesCancel(int num, intptr_t ids[], float xs[], float ys[]);
    std::vector<Touch*> getAllTouches() const;

    // Mouse and keyboard as a desktop window delivers them. With mouse touch
    // emulation on (the default, as on the desktop) the left button also
    // drives touch 0: pressing begins it (before the mouse-down event),
    // moving while pressed moves it, releasing ends it.
    void handleMouseDown(float x, float y, EventMouse::MouseButton button = EventMouse::MouseButton::BUTTON_LEFT);
    void handleMouseUp(float x, float y, EventMouse::MouseButton button = EventMouse::MouseButton::BUTTON_LEFT);
    void handleMouseMove(float x, float y);
    // The wheel's y is +1 for a turn up (listeners see it negated).
    void handleMouseScroll(float x, float y, float scrollX, float scrollY);
    // A key as the window reports it, repeats of a held key included.
    void handleKey(EventKeyboard::KeyCode keyCode, bool isPressed, bool isRepeat = false);
    // A character typed (a code point): to the input method, unless it is a
    // control character such as Enter.
    void handleChar(unsigned int character);
    void setMouseEmulatesTouch(bool emulate) { _mouseEmulatesTouch = emulate; }
    bool isMouseEmulatesTouch() const { return _mouseEmulatesTouch; }

    const Rect& getViewPortRect() const;
    float getScaleX() const;
    float getScaleY() const;
    ResolutionPolicy getResolutionPolicy() const { return _resolutionPolicy; }
    void renderScene(class Scene* scene, class Renderer* renderer);

protected:
    void updateDesignResolutionSize();
    void handleTouchesOfEndOrCancel(int eventCode, int num, intptr_t ids[], float xs[], float ys[]);
    Vec2 toCursor(float x, float y) const;
    void dispatchMouse(EventMouse::MouseEventType type, float x, float y, EventMouse::MouseButton button);

    Size _screenSize;
    Size _designResolutionSize;
    Rect _viewPortRect;
    std::string _viewName;
    float _scaleX;
    float _scaleY;
    ResolutionPolicy _resolutionPolicy;
    float _frameZoomFactor;
    bool _imeKeyboardOpen;
    bool _shouldClose;

    // Touches in progress, by platform id, each with its slot (the touch id
    // listeners see).
    std::map<intptr_t, Touch*> _touches;
    bool _mouseEmulatesTouch;
    bool _mouseCaptured;
    int _mouseButtonsDown;
    float _mouseX;
    float _mouseY;
};

NS_CC_END

#endif
