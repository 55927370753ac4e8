#ifndef __CCLAYER_H__
#define __CCLAYER_H__

#include <vector>
#include "2d/CCNode.h"
#include "base/CCEventKeyboard.h"
#include "base/CCProtocols.h"
#include "base/CCTouch.h"
#include "renderer/CCCustomCommand.h"

NS_CC_BEGIN

class EventListener;
class EventListenerKeyboard;
class EventListenerTouch;

// A full-window node that can take touches and keys through virtual
// handlers (setTouchEnabled / setKeyboardEnabled).
class CC_DLL Layer : public Node
{
public:
    static Layer* create();

    virtual bool onTouchBegan(Touch* touch, Event* unused_event);
    virtual void onTouchMoved(Touch* touch, Event* unused_event);
    virtual void onTouchEnded(Touch* touch, Event* unused_event);
    virtual void onTouchCancelled(Touch* touch, Event* unused_event);
    virtual void onTouchesBegan(const std::vector<Touch*>& touches, Event* unused_event);
    virtual void onTouchesMoved(const std::vector<Touch*>& touches, Event* unused_event);
    virtual void onTouchesEnded(const std::vector<Touch*>& touches, Event* unused_event);
    virtual void onTouchesCancelled(const std::vector<Touch*>& touches, Event* unused_event);

    virtual bool isTouchEnabled() const { return _touchEnabled; }
    void setTouchEnabled(bool value);
    virtual void setTouchMode(Touch::DispatchMode mode);
    virtual Touch::DispatchMode getTouchMode() const { return _touchMode; }
    virtual void setSwallowsTouches(bool swallowsTouches);
    virtual bool isSwallowsTouches() const { return _swallowsTouches; }
    virtual bool isKeyboardEnabled() const { return _keyboardEnabled; }
    virtual void setKeyboardEnabled(bool value);
    virtual void setAccelerometerEnabled(bool value) { CC_UNUSED_PARAM(value); }
    virtual void onKeyPressed(EventKeyboard::KeyCode keyCode, Event* event);
    virtual void onKeyReleased(EventKeyboard::KeyCode keyCode, Event* event);

    virtual std::string getDescription() const override;
CC_CONSTRUCTOR_ACCESS:
    Layer();
    virtual ~Layer();
    virtual bool init() override;

protected:

    bool _touchEnabled;
    bool _accelerometerEnabled;
    bool _keyboardEnabled;
    EventListener* _touchListener;
    EventListenerKeyboard* _keyboardListener;
    Touch::DispatchMode _touchMode;
    bool _swallowsTouches;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(Layer);
};

// A layer filled with one colour (drawn as a quad of four vertex colours).
class CC_DLL LayerColor : public Layer, public BlendProtocol
{
public:
    static LayerColor* create();
    static LayerColor* create(const Color4B& color, GLfloat width, GLfloat height);
    static LayerColor* create(const Color4B& color);

    void changeWidth(GLfloat w);
    void changeHeight(GLfloat h);
    void changeWidthAndHeight(GLfloat w, GLfloat h);

    virtual void draw(Renderer* renderer, const Mat4& transform, uint32_t flags) override;
    virtual void setContentSize(const Size& var) override;
    const BlendFunc& getBlendFunc() const override;
    void setBlendFunc(const BlendFunc& blendFunc) override;

    virtual std::string getDescription() const override;

    // The four corners: bottom left, bottom right, top left, top right.
    const Vec2* getSquareVertices() const { return _squareVertices; }
    const Color4F* getSquareColors() const { return _squareColors; }

    LayerColor();
    virtual ~LayerColor();

    bool init() override;
    bool initWithColor(const Color4B& color, GLfloat width, GLfloat height);
    bool initWithColor(const Color4B& color);

protected:
    virtual void updateColor() override;
    void onDraw(const Mat4& transform, uint32_t flags);

    BlendFunc _blendFunc;
    Vec2 _squareVertices[4];
    Color4F _squareColors[4];
    Vec3 _noMVPVertices[4];
    CustomCommand _customCommand;

private:
    CC_DISALLOW_COPY_AND_ASSIGN(LayerColor);
};

// A layer shaded from a start colour to an end colour along a vector.
class CC_DLL LayerGradient : public LayerColor
{
public:
    static LayerGradient* create();
    static LayerGradient* create(const Color4B& start, const Color4B& end);
    static LayerGradient* create(const Color4B& start, const Color4B& end, const Vec2& v);

    // With compressed interpolation (the default) a diagonal vector still
    // reaches the full start and end colours in the corners.
    void setCompressedInterpolation(bool compressedInterpolation);
    bool isCompressedInterpolation() const;
    void setStartColor(const Color3B& startColor);
    const Color3B& getStartColor() const;
    void setEndColor(const Color3B& endColor);
    const Color3B& getEndColor() const;
    void setStartOpacity(GLubyte startOpacity);
    GLubyte getStartOpacity() const;
    void setEndOpacity(GLubyte endOpacity);
    GLubyte getEndOpacity() const;
    void setVector(const Vec2& alongVector);
    const Vec2& getVector() const;

    virtual std::string getDescription() const override;

    LayerGradient();
    virtual ~LayerGradient();

    virtual bool init() override;
    bool initWithColor(const Color4B& start, const Color4B& end);
    bool initWithColor(const Color4B& start, const Color4B& end, const Vec2& v);

protected:
    virtual void updateColor() override;

    Color3B _startColor;
    Color3B _endColor;
    GLubyte _startOpacity;
    GLubyte _endOpacity;
    Vec2 _alongVector;
    bool _compressedInterpolation;
};

NS_CC_END

#endif
