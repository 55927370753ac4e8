#include "platform/CCGLView.h"

#include <algorithm>
#include <cmath>
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventKeyboard.h"
#include "base/CCEventTouch.h"
#include "base/CCIMEDispatcher.h"
#include "base/CCTouch.h"
#include "base/ccUTF8.h"
#include "renderer/CCSoftwareRenderer.h"

NS_CC_BEGIN

namespace {

// One event carries all the touches of a call; none are sent when no touch was
// taken up.
void dispatchTouches(const std::vector<Touch*>& touches, EventTouch::EventCode code)
{
    if (touches.empty())
        return;
    EventTouch touchEvent;
    touchEvent.setTouches(touches);
    touchEvent.setEventCode(code);
    Director::getInstance()->getEventDispatcher()->dispatchEvent(&touchEvent);
}

} // namespace

GLContextAttrs GLView::_glContextAttrs = {5, 6, 5, 0, 16, 0, 0};

void GLView::setGLContextAttrs(GLContextAttrs& glContextAttrs)
{
    _glContextAttrs = glContextAttrs;
}

GLContextAttrs GLView::getGLContextAttrs()
{
    return _glContextAttrs;
}

GLView::GLView()
: _scaleX(1.0f)
, _scaleY(1.0f)
, _resolutionPolicy(ResolutionPolicy::UNKNOWN)
, _frameZoomFactor(1.0f)
, _imeKeyboardOpen(false)
, _shouldClose(false)
, _mouseEmulatesTouch(true)
, _mouseCaptured(false)
, _mouseButtonsDown(0)
, _mouseX(0)
, _mouseY(0)
{
}

GLView::~GLView()
{
    for (auto& entry : _touches)
        entry.second->release();
    _touches.clear();
}

void GLView::end()
{
    _shouldClose = true;
}

void GLView::updateDesignResolutionSize()
{
    if (_screenSize.width > 0 && _screenSize.height > 0 && _designResolutionSize.width > 0 &&
        _designResolutionSize.height > 0)
    {
        _scaleX = (float)_screenSize.width / _designResolutionSize.width;
        _scaleY = (float)_screenSize.height / _designResolutionSize.height;

        if (_resolutionPolicy == ResolutionPolicy::NO_BORDER)
        {
            _scaleX = _scaleY = std::max(_scaleX, _scaleY);
        }
        else if (_resolutionPolicy == ResolutionPolicy::SHOW_ALL)
        {
            _scaleX = _scaleY = std::min(_scaleX, _scaleY);
        }
        else if (_resolutionPolicy == ResolutionPolicy::FIXED_HEIGHT)
        {
            _scaleX = _scaleY;
            _designResolutionSize.width = ceilf(_screenSize.width / _scaleX);
        }
        else if (_resolutionPolicy == ResolutionPolicy::FIXED_WIDTH)
        {
            _scaleY = _scaleX;
            _designResolutionSize.height = ceilf(_screenSize.height / _scaleY);
        }

        float viewPortW = _designResolutionSize.width * _scaleX;
        float viewPortH = _designResolutionSize.height * _scaleY;
        _viewPortRect.setRect((_screenSize.width - viewPortW) / 2, (_screenSize.height - viewPortH) / 2, viewPortW,
                              viewPortH);

        auto director = Director::getInstance();
        if (director->getOpenGLView() == this)
        {
            director->_winSizeInPoints = getDesignResolutionSize();
            director->_isStatusLabelUpdated = true;
            director->setProjection(director->getProjection());
        }
    }
}

void GLView::setDesignResolutionSize(float width, float height, ResolutionPolicy resolutionPolicy)
{
    if (width == 0.0f || height == 0.0f)
        return;
    _designResolutionSize.setSize(width, height);
    _resolutionPolicy = resolutionPolicy;
    updateDesignResolutionSize();
}

const Size& GLView::getDesignResolutionSize() const
{
    return _designResolutionSize;
}

const Size& GLView::getFrameSize() const
{
    return _screenSize;
}

void GLView::setFrameSize(float width, float height)
{
    _screenSize = Size(width, height);
    // Keeps a design resolution set before; otherwise the frame is the design.
    if (_designResolutionSize.equals(Size::ZERO))
        _designResolutionSize = _screenSize;
    updateDesignResolutionSize();
}

bool GLView::setContentScaleFactor(float scale)
{
    Director::getInstance()->setContentScaleFactor(scale);
    return true;
}

float GLView::getContentScaleFactor() const
{
    return Director::getInstance()->getContentScaleFactor();
}

Rect GLView::getVisibleRect() const
{
    Rect ret;
    ret.size = getVisibleSize();
    ret.origin = getVisibleOrigin();
    return ret;
}

Rect GLView::getSafeAreaRect() const
{
    return getVisibleRect();
}

Size GLView::getVisibleSize() const
{
    if (_resolutionPolicy == ResolutionPolicy::NO_BORDER)
        return Size(_screenSize.width / _scaleX, _screenSize.height / _scaleY);
    return _designResolutionSize;
}

Vec2 GLView::getVisibleOrigin() const
{
    if (_resolutionPolicy == ResolutionPolicy::NO_BORDER)
        return Vec2((_designResolutionSize.width - _screenSize.width / _scaleX) / 2,
                    (_designResolutionSize.height - _screenSize.height / _scaleY) / 2);
    return Vec2::ZERO;
}

// The scissor box is the software renderer's, as it is the GPU's for a real
// view: both corners to whole pixels, then the box between them.
void GLView::setScissorInPoints(float x, float y, float w, float h)
{
    auto pixel = [](float v) { return std::isfinite(v) ? static_cast<GLint>(std::max(-1.0e9f, std::min(1.0e9f, v))) : 0; };
    GLint x1 = pixel(x * _scaleX + _viewPortRect.origin.x), y1 = pixel(y * _scaleY + _viewPortRect.origin.y);
    GLint x2 = pixel((x + w) * _scaleX + _viewPortRect.origin.x), y2 = pixel((y + h) * _scaleY + _viewPortRect.origin.y);
    glScissor(x1, y1, x2 - x1, y2 - y1);
}

bool GLView::isScissorEnabled()
{
    return glIsEnabled(GL_SCISSOR_TEST) != GL_FALSE;
}

Rect GLView::getScissorRect() const
{
    SoftwareRenderer* software = SoftwareRenderer::getCurrent();
    if (!software || _scaleX == 0 || _scaleY == 0) return Rect::ZERO;
    int box[4];
    software->getTarget().getScissorBox(box);
    return Rect((box[0] - _viewPortRect.origin.x) / _scaleX, (box[1] - _viewPortRect.origin.y) / _scaleY,
                box[2] / _scaleX, box[3] / _scaleY);
}

const Rect& GLView::getViewPortRect() const
{
    return _viewPortRect;
}

float GLView::getScaleX() const
{
    return _scaleX;
}

float GLView::getScaleY() const
{
    return _scaleY;
}

void GLView::renderScene(Scene* scene, Renderer* renderer)
{
    if (scene)
        scene->visit(renderer, Mat4::IDENTITY, 0);
}

std::vector<Touch*> GLView::getAllTouches() const
{
    std::vector<Touch*> ret;
    for (const auto& entry : _touches)
        ret.push_back(entry.second);
    return ret;
}

// MARK: touches

void GLView::handleTouchesBegin(int num, intptr_t ids[], float xs[], float ys[])
{
    std::vector<Touch*> touches;
    for (int i = 0; i < num; ++i)
    {
        if (_touches.find(ids[i]) != _touches.end())
            continue; // already down
        if (_touches.size() >= static_cast<size_t>(EventTouch::MAX_TOUCHES))
            break;
        // The lowest free slot names the touch for the listeners.
        int slot = 0;
        for (bool used = true; used; )
        {
            used = false;
            for (const auto& entry : _touches)
            {
                if (entry.second->getID() == slot)
                {
                    used = true;
                    ++slot;
                    break;
                }
            }
        }
        Touch* touch = new (std::nothrow) Touch();
        touch->setTouchInfo(slot, (xs[i] - _viewPortRect.origin.x) / _scaleX, (ys[i] - _viewPortRect.origin.y) / _scaleY);
        _touches[ids[i]] = touch;
        touches.push_back(touch);
    }
    dispatchTouches(touches, EventTouch::EventCode::BEGAN);
}

void GLView::handleTouchesMove(int num, intptr_t ids[], float xs[], float ys[])
{
    std::vector<Touch*> touches;
    for (int i = 0; i < num; ++i)
    {
        auto it = _touches.find(ids[i]);
        if (it == _touches.end())
            continue;
        Touch* touch = it->second;
        touch->setTouchInfo(touch->getID(), (xs[i] - _viewPortRect.origin.x) / _scaleX,
                            (ys[i] - _viewPortRect.origin.y) / _scaleY);
        touches.push_back(touch);
    }
    dispatchTouches(touches, EventTouch::EventCode::MOVED);
}

void GLView::handleTouchesOfEndOrCancel(int eventCode, int num, intptr_t ids[], float xs[], float ys[])
{
    std::vector<Touch*> touches;
    for (int i = 0; i < num; ++i)
    {
        auto it = _touches.find(ids[i]);
        if (it == _touches.end())
            continue;
        Touch* touch = it->second;
        touch->setTouchInfo(touch->getID(), (xs[i] - _viewPortRect.origin.x) / _scaleX,
                            (ys[i] - _viewPortRect.origin.y) / _scaleY);
        touches.push_back(touch);
        _touches.erase(it);
    }
    dispatchTouches(touches, static_cast<EventTouch::EventCode>(eventCode));
    for (Touch* touch : touches)
        touch->release();
}

void GLView::handleTouchesEnd(int num, intptr_t ids[], float xs[], float ys[])
{
    handleTouchesOfEndOrCancel(static_cast<int>(EventTouch::EventCode::ENDED), num, ids, xs, ys);
}

void GLView::handleTouchesCancel(int num, intptr_t ids[], float xs[], float ys[])
{
    handleTouchesOfEndOrCancel(static_cast<int>(EventTouch::EventCode::CANCELLED), num, ids, xs, ys);
}

// MARK: mouse and keyboard

Vec2 GLView::toCursor(float x, float y) const
{
    return Vec2((x - _viewPortRect.origin.x) / _scaleX,
                (_viewPortRect.origin.y + _viewPortRect.size.height - y) / _scaleY);
}

void GLView::dispatchMouse(EventMouse::MouseEventType type, float x, float y, EventMouse::MouseButton button)
{
    EventMouse event(type);
    Vec2 cursor = toCursor(x, y);
    event.setCursorPosition(cursor.x, cursor.y);
    event.setMouseButton(button);
    Director::getInstance()->getEventDispatcher()->dispatchEvent(&event);
}

void GLView::handleMouseDown(float x, float y, EventMouse::MouseButton button)
{
    _mouseX = x;
    _mouseY = y;
    if (button >= EventMouse::MouseButton::BUTTON_LEFT)
        _mouseButtonsDown |= 1 << static_cast<int>(button);
    if (_mouseEmulatesTouch && button == EventMouse::MouseButton::BUTTON_LEFT)
    {
        _mouseCaptured = true;
        if (_viewPortRect.equals(Rect::ZERO) || _viewPortRect.containsPoint(Vec2(x, y)))
        {
            intptr_t id = 0;
            handleTouchesBegin(1, &id, &_mouseX, &_mouseY);
        }
    }
    dispatchMouse(EventMouse::MouseEventType::MOUSE_DOWN, x, y, button);
}

void GLView::handleMouseUp(float x, float y, EventMouse::MouseButton button)
{
    _mouseX = x;
    _mouseY = y;
    if (button >= EventMouse::MouseButton::BUTTON_LEFT)
        _mouseButtonsDown &= ~(1 << static_cast<int>(button));
    if (_mouseEmulatesTouch && button == EventMouse::MouseButton::BUTTON_LEFT && _mouseCaptured)
    {
        _mouseCaptured = false;
        intptr_t id = 0;
        handleTouchesEnd(1, &id, &_mouseX, &_mouseY);
    }
    dispatchMouse(EventMouse::MouseEventType::MOUSE_UP, x, y, button);
}

void GLView::handleMouseMove(float x, float y)
{
    _mouseX = x;
    _mouseY = y;
    if (_mouseEmulatesTouch && _mouseCaptured)
    {
        intptr_t id = 0;
        handleTouchesMove(1, &id, &_mouseX, &_mouseY);
    }
    // A move names the first button held, if any.
    EventMouse::MouseButton button = EventMouse::MouseButton::BUTTON_UNSET;
    if (_mouseButtonsDown & (1 << 0))
        button = EventMouse::MouseButton::BUTTON_LEFT;
    else if (_mouseButtonsDown & (1 << 1))
        button = EventMouse::MouseButton::BUTTON_RIGHT;
    else if (_mouseButtonsDown & (1 << 2))
        button = EventMouse::MouseButton::BUTTON_MIDDLE;
    dispatchMouse(EventMouse::MouseEventType::MOUSE_MOVE, x, y, button);
}

void GLView::handleMouseScroll(float x, float y, float scrollX, float scrollY)
{
    _mouseX = x;
    _mouseY = y;
    EventMouse event(EventMouse::MouseEventType::MOUSE_SCROLL);
    // The window says +1 for a wheel turned up; listeners get it negated.
    event.setScrollData(scrollX, -scrollY);
    Vec2 cursor = toCursor(x, y);
    event.setCursorPosition(cursor.x, cursor.y);
    Director::getInstance()->getEventDispatcher()->dispatchEvent(&event);
}

void GLView::handleKey(EventKeyboard::KeyCode keyCode, bool isPressed, bool isRepeat)
{
    // A held key's repeats make no keyboard events ...
    if (!isRepeat)
    {
        EventKeyboard event(keyCode, isPressed);
        Director::getInstance()->getEventDispatcher()->dispatchEvent(&event);
    }
    if (!isPressed) return;
    // ... but the input method gets Backspace and the editing keys on each
    // press and repeat.
    switch (keyCode)
    {
    case EventKeyboard::KeyCode::KEY_BACKSPACE:
        IMEDispatcher::sharedDispatcher()->dispatchDeleteBackward();
        break;
    case EventKeyboard::KeyCode::KEY_HOME:
    case EventKeyboard::KeyCode::KEY_KP_HOME:
    case EventKeyboard::KeyCode::KEY_DELETE:
    case EventKeyboard::KeyCode::KEY_KP_DELETE:
    case EventKeyboard::KeyCode::KEY_END:
    case EventKeyboard::KeyCode::KEY_LEFT_ARROW:
    case EventKeyboard::KeyCode::KEY_RIGHT_ARROW:
    case EventKeyboard::KeyCode::KEY_ESCAPE:
        IMEDispatcher::sharedDispatcher()->dispatchControlKey(keyCode);
        break;
    default:
        break;
    }
}

void GLView::handleChar(unsigned int character)
{
    // Control characters (Enter, Tab, Backspace and the like) are keys, not
    // text; so are the surrogate halves and what lies past Unicode.
    if (character < 0x20 || (character >= 0x7F && character < 0xA0)) return;
    if ((character >= 0xD800 && character <= 0xDFFF) || character > 0x10FFFF) return;
    std::string utf8;
    if (!StringUtils::UTF32ToUTF8(std::u32string(1, static_cast<char32_t>(character)), utf8)) return;
    IMEDispatcher::sharedDispatcher()->dispatchInsertText(utf8.c_str(), utf8.size());
}

NS_CC_END
