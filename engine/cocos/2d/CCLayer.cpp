#include "2d/CCLayer.h"

#include "renderer/CCRenderer.h"

#include "base/CCDirector.h"
#include "base/CCEventDispatcher.h"
#include "base/CCEventListenerKeyboard.h"
#include "base/CCEventListenerTouch.h"

NS_CC_BEGIN

// MARK: Layer

Layer::Layer()
: _touchEnabled(false)
, _accelerometerEnabled(false)
, _keyboardEnabled(false)
, _touchListener(nullptr)
, _keyboardListener(nullptr)
, _touchMode(Touch::DispatchMode::ALL_AT_ONCE)
, _swallowsTouches(true)
{
    _ignoreAnchorPointForPosition = true;
    setAnchorPoint(Vec2(0.5f, 0.5f));
}

Layer::~Layer()
{
}

bool Layer::init()
{
    setContentSize(_director->getWinSize());
    return true;
}

Layer* Layer::create()
{
    Layer* ret = new (std::nothrow) Layer();
    if (ret && ret->init())
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

void Layer::setTouchEnabled(bool enabled)
{
    if (_touchEnabled == enabled)
        return;
    _touchEnabled = enabled;
    if (enabled)
    {
        if (_touchListener != nullptr)
            return;
        if (_touchMode == Touch::DispatchMode::ALL_AT_ONCE)
        {
            auto listener = EventListenerTouchAllAtOnce::create();
            listener->onTouchesBegan = CC_CALLBACK_2(Layer::onTouchesBegan, this);
            listener->onTouchesMoved = CC_CALLBACK_2(Layer::onTouchesMoved, this);
            listener->onTouchesEnded = CC_CALLBACK_2(Layer::onTouchesEnded, this);
            listener->onTouchesCancelled = CC_CALLBACK_2(Layer::onTouchesCancelled, this);
            _touchListener = listener;
        }
        else
        {
            auto listener = EventListenerTouchOneByOne::create();
            listener->setSwallowTouches(_swallowsTouches);
            listener->onTouchBegan = CC_CALLBACK_2(Layer::onTouchBegan, this);
            listener->onTouchMoved = CC_CALLBACK_2(Layer::onTouchMoved, this);
            listener->onTouchEnded = CC_CALLBACK_2(Layer::onTouchEnded, this);
            listener->onTouchCancelled = CC_CALLBACK_2(Layer::onTouchCancelled, this);
            _touchListener = listener;
        }
        _eventDispatcher->addEventListenerWithSceneGraphPriority(_touchListener, this);
    }
    else
    {
        _eventDispatcher->removeEventListener(_touchListener);
        _touchListener = nullptr;
    }
}

void Layer::setTouchMode(Touch::DispatchMode mode)
{
    if (_touchMode != mode)
    {
        _touchMode = mode;
        if (_touchEnabled)
        {
            setTouchEnabled(false);
            setTouchEnabled(true);
        }
    }
}

void Layer::setSwallowsTouches(bool swallowsTouches)
{
    if (_swallowsTouches != swallowsTouches)
    {
        _swallowsTouches = swallowsTouches;
        if (_touchEnabled)
        {
            setTouchEnabled(false);
            setTouchEnabled(true);
        }
    }
}

void Layer::setKeyboardEnabled(bool enabled)
{
    if (enabled == _keyboardEnabled)
        return;
    _keyboardEnabled = enabled;
    _eventDispatcher->removeEventListener(_keyboardListener);
    _keyboardListener = nullptr;
    if (enabled)
    {
        auto listener = EventListenerKeyboard::create();
        listener->onKeyPressed = CC_CALLBACK_2(Layer::onKeyPressed, this);
        listener->onKeyReleased = CC_CALLBACK_2(Layer::onKeyReleased, this);
        _eventDispatcher->addEventListenerWithSceneGraphPriority(listener, this);
        _keyboardListener = listener;
    }
}

void Layer::onKeyPressed(EventKeyboard::KeyCode keyCode, Event* event)
{
    CC_UNUSED_PARAM(keyCode);
    CC_UNUSED_PARAM(event);
}

void Layer::onKeyReleased(EventKeyboard::KeyCode keyCode, Event* event)
{
    CC_UNUSED_PARAM(keyCode);
    CC_UNUSED_PARAM(event);
}

bool Layer::onTouchBegan(Touch* touch, Event* event)
{
    CC_UNUSED_PARAM(touch);
    CC_UNUSED_PARAM(event);
    return true;
}

void Layer::onTouchMoved(Touch* touch, Event* event)
{
    CC_UNUSED_PARAM(touch);
    CC_UNUSED_PARAM(event);
}

void Layer::onTouchEnded(Touch* touch, Event* event)
{
    CC_UNUSED_PARAM(touch);
    CC_UNUSED_PARAM(event);
}

void Layer::onTouchCancelled(Touch* touch, Event* event)
{
    CC_UNUSED_PARAM(touch);
    CC_UNUSED_PARAM(event);
}

void Layer::onTouchesBegan(const std::vector<Touch*>& touches, Event* event)
{
    CC_UNUSED_PARAM(touches);
    CC_UNUSED_PARAM(event);
}

void Layer::onTouchesMoved(const std::vector<Touch*>& touches, Event* event)
{
    CC_UNUSED_PARAM(touches);
    CC_UNUSED_PARAM(event);
}

void Layer::onTouchesEnded(const std::vector<Touch*>& touches, Event* event)
{
    CC_UNUSED_PARAM(touches);
    CC_UNUSED_PARAM(event);
}

void Layer::onTouchesCancelled(const std::vector<Touch*>& touches, Event* event)
{
    CC_UNUSED_PARAM(touches);
    CC_UNUSED_PARAM(event);
}

std::string Layer::getDescription() const
{
    char buf[64];
    snprintf(buf, sizeof(buf), "<Layer | Tag = %d>", _tag);
    return std::string(buf);
}

// MARK: LayerColor

LayerColor::LayerColor()
{
    _blendFunc = BlendFunc::ALPHA_PREMULTIPLIED;
}

LayerColor::~LayerColor()
{
}

LayerColor* LayerColor::create()
{
    LayerColor* ret = new (std::nothrow) LayerColor();
    if (ret && ret->init())
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

LayerColor* LayerColor::create(const Color4B& color, GLfloat width, GLfloat height)
{
    LayerColor* layer = new (std::nothrow) LayerColor();
    if (layer && layer->initWithColor(color, width, height))
    {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

LayerColor* LayerColor::create(const Color4B& color)
{
    LayerColor* layer = new (std::nothrow) LayerColor();
    if (layer && layer->initWithColor(color))
    {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

bool LayerColor::init()
{
    Size s = _director->getWinSize();
    return initWithColor(Color4B(0, 0, 0, 0), s.width, s.height);
}

bool LayerColor::initWithColor(const Color4B& color, GLfloat w, GLfloat h)
{
    if (!Layer::init())
        return false;
    _blendFunc = BlendFunc::ALPHA_NON_PREMULTIPLIED;
    _displayedColor.r = _realColor.r = color.r;
    _displayedColor.g = _realColor.g = color.g;
    _displayedColor.b = _realColor.b = color.b;
    _displayedOpacity = _realOpacity = color.a;
    for (auto& v : _squareVertices)
        v = Vec2::ZERO;
    updateColor();
    setContentSize(Size(w, h));
    return true;
}

bool LayerColor::initWithColor(const Color4B& color)
{
    Size s = _director->getWinSize();
    return initWithColor(color, s.width, s.height);
}

void LayerColor::setContentSize(const Size& size)
{
    _squareVertices[1].x = size.width;
    _squareVertices[2].y = size.height;
    _squareVertices[3].x = size.width;
    _squareVertices[3].y = size.height;
    Layer::setContentSize(size);
}

void LayerColor::changeWidthAndHeight(GLfloat w, GLfloat h)
{
    this->setContentSize(Size(w, h));
}

void LayerColor::changeWidth(GLfloat w)
{
    this->setContentSize(Size(w, _contentSize.height));
}

void LayerColor::changeHeight(GLfloat h)
{
    this->setContentSize(Size(_contentSize.width, h));
}

const BlendFunc& LayerColor::getBlendFunc() const
{
    return _blendFunc;
}

void LayerColor::setBlendFunc(const BlendFunc& blendFunc)
{
    _blendFunc = blendFunc;
}

void LayerColor::updateColor()
{
    for (auto& c : _squareColors)
    {
        c.r = _displayedColor.r / 255.0f;
        c.g = _displayedColor.g / 255.0f;
        c.b = _displayedColor.b / 255.0f;
        c.a = _displayedOpacity / 255.0f;
    }
}

void LayerColor::draw(Renderer* renderer, const Mat4& transform, uint32_t flags)
{
    // The quad in world space, as a GPU would receive it.
    for (int i = 0; i < 4; ++i)
    {
        Vec3 pos(_squareVertices[i].x, _squareVertices[i].y, _positionZ);
        transform.transformPoint(&pos);
        _noMVPVertices[i] = pos;
    }
    if (!renderer) return;
    _customCommand.init(_globalZOrder, transform, flags);
    _customCommand.func = CC_CALLBACK_0(LayerColor::onDraw, this, transform, flags);
    renderer->addCommand(&_customCommand);
}

void LayerColor::onDraw(const Mat4& transform, uint32_t flags)
{
    CC_UNUSED_PARAM(transform);
    CC_UNUSED_PARAM(flags);
    Renderer* renderer = _director->getRenderer();
    if (renderer) renderer->getSoftwareRenderer()->drawColorQuad(_noMVPVertices, _squareColors, _blendFunc);
}

std::string LayerColor::getDescription() const
{
    char buf[64];
    snprintf(buf, sizeof(buf), "<LayerColor | Tag = %d>", _tag);
    return std::string(buf);
}

// MARK: LayerGradient

LayerGradient::LayerGradient()
: _startColor(Color4B::BLACK)
, _endColor(Color4B::BLACK)
, _startOpacity(255)
, _endOpacity(255)
, _alongVector(Vec2(0, -1))
, _compressedInterpolation(true)
{
}

LayerGradient::~LayerGradient()
{
}

LayerGradient* LayerGradient::create(const Color4B& start, const Color4B& end)
{
    LayerGradient* layer = new (std::nothrow) LayerGradient();
    if (layer && layer->initWithColor(start, end))
    {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

LayerGradient* LayerGradient::create(const Color4B& start, const Color4B& end, const Vec2& v)
{
    LayerGradient* layer = new (std::nothrow) LayerGradient();
    if (layer && layer->initWithColor(start, end, v))
    {
        layer->autorelease();
        return layer;
    }
    delete layer;
    return nullptr;
}

LayerGradient* LayerGradient::create()
{
    LayerGradient* ret = new (std::nothrow) LayerGradient();
    if (ret && ret->init())
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool LayerGradient::init()
{
    return initWithColor(Color4B(0, 0, 0, 255), Color4B(0, 0, 0, 255));
}

bool LayerGradient::initWithColor(const Color4B& start, const Color4B& end)
{
    return initWithColor(start, end, Vec2(0, -1));
}

bool LayerGradient::initWithColor(const Color4B& start, const Color4B& end, const Vec2& v)
{
    _endColor.r = end.r;
    _endColor.g = end.g;
    _endColor.b = end.b;
    _endOpacity = end.a;
    _startOpacity = start.a;
    _alongVector = v;
    _compressedInterpolation = true;
    return LayerColor::initWithColor(Color4B(start.r, start.g, start.b, 255));
}

void LayerGradient::updateColor()
{
    LayerColor::updateColor();

    float h = _alongVector.getLength();
    if (h == 0)
        return;

    float c = sqrtf(2.0f);
    Vec2 u(_alongVector.x / h, _alongVector.y / h);
    if (_compressedInterpolation)
    {
        float h2 = 1 / (fabsf(u.x) + fabsf(u.y));
        u = u * (h2 * (float)c);
    }

    float opacityf = (float)_displayedOpacity / 255.0f;
    Color4F S(_displayedColor.r / 255.0f, _displayedColor.g / 255.0f, _displayedColor.b / 255.0f,
              _startOpacity * opacityf / 255.0f);
    Color4F E(_endColor.r / 255.0f, _endColor.g / 255.0f, _endColor.b / 255.0f, _endOpacity * opacityf / 255.0f);

    // Corners (-1,-1), (1,-1), (-1,1), (1,1) of the unit square.
    const float weights[4] = {(c + u.x + u.y) / (2.0f * c), (c - u.x + u.y) / (2.0f * c),
                              (c + u.x - u.y) / (2.0f * c), (c - u.x - u.y) / (2.0f * c)};
    for (int i = 0; i < 4; ++i)
    {
        _squareColors[i].r = E.r + (S.r - E.r) * weights[i];
        _squareColors[i].g = E.g + (S.g - E.g) * weights[i];
        _squareColors[i].b = E.b + (S.b - E.b) * weights[i];
        _squareColors[i].a = E.a + (S.a - E.a) * weights[i];
    }
}

void LayerGradient::setStartColor(const Color3B& color)
{
    setColor(color);
}

const Color3B& LayerGradient::getStartColor() const
{
    return _realColor;
}

void LayerGradient::setEndColor(const Color3B& color)
{
    _endColor = color;
    updateColor();
}

const Color3B& LayerGradient::getEndColor() const
{
    return _endColor;
}

void LayerGradient::setStartOpacity(GLubyte o)
{
    _startOpacity = o;
    updateColor();
}

GLubyte LayerGradient::getStartOpacity() const
{
    return _startOpacity;
}

void LayerGradient::setEndOpacity(GLubyte o)
{
    _endOpacity = o;
    updateColor();
}

GLubyte LayerGradient::getEndOpacity() const
{
    return _endOpacity;
}

void LayerGradient::setVector(const Vec2& var)
{
    _alongVector = var;
    updateColor();
}

const Vec2& LayerGradient::getVector() const
{
    return _alongVector;
}

bool LayerGradient::isCompressedInterpolation() const
{
    return _compressedInterpolation;
}

void LayerGradient::setCompressedInterpolation(bool compress)
{
    _compressedInterpolation = compress;
    updateColor();
}

std::string LayerGradient::getDescription() const
{
    char buf[64];
    snprintf(buf, sizeof(buf), "<LayerGradient | Tag = %d>", _tag);
    return std::string(buf);
}

NS_CC_END
