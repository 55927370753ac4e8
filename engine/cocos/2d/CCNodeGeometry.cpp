// Node: geometry, transforms, space conversions, colour and opacity.
#include "2d/CCNode.h"

#include <functional>
#include "2d/CCScene.h"
#include "base/CCDirector.h"
#include "base/CCTouch.h"

#if __has_include("renderer/CCGLProgramState.h")
#include "renderer/CCGLProgramState.h"
#define CC_NODE_HAS_PROGRAM_STATE 1
#else
#define CC_NODE_HAS_PROGRAM_STATE 0
#endif

NS_CC_BEGIN

namespace {

// Stores value in field; false when the field already held it.
template <typename T>
bool assignChanged(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

// MARK: geometry

float Node::getSkewX() const { return _skewX; }
float Node::getSkewY() const { return _skewY; }

void Node::setSkewX(float skewX)
{
    if (assignChanged(_skewX, skewX))
        _transformUpdated = _transformDirty = _inverseDirty = true;
}

void Node::setSkewY(float skewY)
{
    if (assignChanged(_skewY, skewY))
        _transformUpdated = _transformDirty = _inverseDirty = true;
}

float Node::getRotation() const
{
    return _rotationZ_X;
}

void Node::setRotation(float rotation)
{
    if (_rotationZ_X == rotation && _rotationZ_Y == rotation)
        return;
    _rotationZ_X = _rotationZ_Y = rotation;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

float Node::getRotationSkewX() const { return _rotationZ_X; }
float Node::getRotationSkewY() const { return _rotationZ_Y; }

void Node::setRotationSkewX(float rotationX)
{
    if (assignChanged(_rotationZ_X, rotationX))
        _transformUpdated = _transformDirty = _inverseDirty = true;
}

void Node::setRotationSkewY(float rotationY)
{
    if (assignChanged(_rotationZ_Y, rotationY))
        _transformUpdated = _transformDirty = _inverseDirty = true;
}

float Node::getScale() const
{
    return _scaleX;
}

void Node::setScale(float scale)
{
    if (_scaleX == scale && _scaleY == scale && _scaleZ == scale)
        return;
    _scaleX = _scaleY = _scaleZ = scale;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

void Node::setScale(float scaleX, float scaleY)
{
    if (_scaleX == scaleX && _scaleY == scaleY)
        return;
    _scaleX = scaleX;
    _scaleY = scaleY;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

float Node::getScaleX() const { return _scaleX; }
float Node::getScaleY() const { return _scaleY; }
float Node::getScaleZ() const { return _scaleZ; }

void Node::setScaleX(float scaleX)
{
    if (assignChanged(_scaleX, scaleX))
        _transformUpdated = _transformDirty = _inverseDirty = true;
}

void Node::setScaleY(float scaleY)
{
    if (assignChanged(_scaleY, scaleY))
        _transformUpdated = _transformDirty = _inverseDirty = true;
}

void Node::setScaleZ(float scaleZ)
{
    if (assignChanged(_scaleZ, scaleZ))
        _transformUpdated = _transformDirty = _inverseDirty = true;
}

const Vec2& Node::getPosition() const
{
    return _position;
}

void Node::setPosition(const Vec2& position)
{
    setPosition(position.x, position.y);
}

void Node::getPosition(float* x, float* y) const
{
    *x = _position.x;
    *y = _position.y;
}

void Node::setPosition(float x, float y)
{
    if (_position.x == x && _position.y == y)
        return;
    _position.x = x;
    _position.y = y;
    _transformUpdated = _transformDirty = _inverseDirty = true;
    _usingNormalizedPosition = false;
}

void Node::setPosition3D(const Vec3& position)
{
    setPositionZ(position.z);
    setPosition(position.x, position.y);
}

Vec3 Node::getPosition3D() const
{
    return Vec3(_position.x, _position.y, _positionZ);
}

float Node::getPositionX() const { return _position.x; }
float Node::getPositionY() const { return _position.y; }

void Node::setPositionX(float x)
{
    setPosition(x, _position.y);
}

void Node::setPositionY(float y)
{
    setPosition(_position.x, y);
}

float Node::getPositionZ() const
{
    return _positionZ;
}

void Node::setPositionZ(float positionZ)
{
    if (assignChanged(_positionZ, positionZ))
        _transformUpdated = _transformDirty = _inverseDirty = true;
}

const Vec2& Node::getPositionNormalized() const
{
    return _normalizedPosition;
}

void Node::setPositionNormalized(const Vec2& position)
{
    if (_normalizedPosition.equals(position) && _usingNormalizedPosition)
        return;
    _normalizedPosition = position;
    _usingNormalizedPosition = true;
    _normalizedPositionDirty = true;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

ssize_t Node::getChildrenCount() const
{
    return _children.size();
}

bool Node::isVisible() const
{
    return _visible;
}

void Node::setVisible(bool visible)
{
    if (visible != _visible)
    {
        _visible = visible;
        if (_visible)
            _transformUpdated = _transformDirty = _inverseDirty = true;
    }
}

const Vec2& Node::getAnchorPointInPoints() const
{
    return _anchorPointInPoints;
}

const Vec2& Node::getAnchorPoint() const
{
    return _anchorPoint;
}

void Node::setAnchorPoint(const Vec2& point)
{
    if (!point.equals(_anchorPoint))
    {
        _anchorPoint = point;
        _anchorPointInPoints.set(_contentSize.width * _anchorPoint.x, _contentSize.height * _anchorPoint.y);
        _transformUpdated = _transformDirty = _inverseDirty = true;
    }
}

const Size& Node::getContentSize() const
{
    return _contentSize;
}

void Node::setContentSize(const Size& size)
{
    if (!size.equals(_contentSize))
    {
        _contentSize = size;
        _anchorPointInPoints.set(_contentSize.width * _anchorPoint.x, _contentSize.height * _anchorPoint.y);
        _transformUpdated = _transformDirty = _inverseDirty = _contentSizeDirty = true;
    }
}

bool Node::isRunning() const
{
    return _running;
}

void Node::setParent(Node* parent)
{
    _parent = parent;
    _transformUpdated = _transformDirty = _inverseDirty = true;
}

bool Node::isIgnoreAnchorPointForPosition() const
{
    return _ignoreAnchorPointForPosition;
}

void Node::setIgnoreAnchorPointForPosition(bool newValue)
{
    if (newValue != _ignoreAnchorPointForPosition)
    {
        _ignoreAnchorPointForPosition = newValue;
        _transformUpdated = _transformDirty = _inverseDirty = true;
    }
}

int Node::getTag() const
{
    return _tag;
}

void Node::setTag(int tag)
{
    _tag = tag;
}

const std::string& Node::getName() const
{
    return _name;
}

void Node::setName(const std::string& name)
{
    _name = name;
    std::hash<std::string> h;
    _hashOfName = h(name);
}

void Node::setUserData(void* userData)
{
    _userData = userData;
}

void Node::setUserObject(Ref* userObject)
{
    CC_SAFE_RETAIN(userObject);
    CC_SAFE_RELEASE(_userObject);
    _userObject = userObject;
}

GLProgramState* Node::getGLProgramState() const
{
    return _glProgramState;
}

void Node::setGLProgramState(GLProgramState* glProgramState)
{
    if (glProgramState == _glProgramState)
        return;
#if CC_NODE_HAS_PROGRAM_STATE
    CC_SAFE_RETAIN(glProgramState);
    CC_SAFE_RELEASE(_glProgramState);
#endif
    _glProgramState = glProgramState;
}

GLProgram* Node::getGLProgram() const
{
#if CC_NODE_HAS_PROGRAM_STATE
    return _glProgramState ? _glProgramState->getGLProgram() : nullptr;
#else
    return nullptr;
#endif
}

void Node::setGLProgram(GLProgram* glProgram)
{
#if CC_NODE_HAS_PROGRAM_STATE
    if (_glProgramState == nullptr || (_glProgramState && _glProgramState->getGLProgram() != glProgram))
        setGLProgramState(glProgram ? GLProgramState::getOrCreateWithGLProgram(glProgram) : nullptr);
#else
    CC_UNUSED_PARAM(glProgram);
#endif
}

Scene* Node::getScene() const
{
    if (!_parent)
        return nullptr;
    auto sceneNode = _parent;
    while (sceneNode->_parent)
        sceneNode = sceneNode->_parent;
    return dynamic_cast<Scene*>(sceneNode);
}

Rect Node::getBoundingBox() const
{
    Rect rect(0, 0, _contentSize.width, _contentSize.height);
    return RectApplyAffineTransform(rect, getNodeToParentAffineTransform());
}

void Node::setCameraMask(unsigned short mask, bool applyChildren)
{
    _cameraMask = mask;
    if (applyChildren)
    {
        for (const auto& child : _children)
            child->setCameraMask(mask, applyChildren);
    }
}

// MARK: transforms

void Node::updateTransform()
{
    for (const auto& child : _children)
        child->updateTransform();
}

AffineTransform Node::getNodeToParentAffineTransform() const
{
    AffineTransform ret;
    const Mat4& m = getNodeToParentTransform();
    ret.a = m.m[0];
    ret.b = m.m[1];
    ret.c = m.m[4];
    ret.d = m.m[5];
    ret.tx = m.m[12];
    ret.ty = m.m[13];
    return ret;
}

Mat4 Node::getNodeToParentTransform(Node* ancestor) const
{
    Mat4 t(this->getNodeToParentTransform());
    for (Node* p = _parent; p != nullptr && p != ancestor; p = p->getParent())
        t = p->getNodeToParentTransform() * t;
    return t;
}

AffineTransform Node::getNodeToParentAffineTransform(Node* ancestor) const
{
    Mat4 m = getNodeToParentTransform(ancestor);
    AffineTransform ret;
    ret.a = m.m[0];
    ret.b = m.m[1];
    ret.c = m.m[4];
    ret.d = m.m[5];
    ret.tx = m.m[12];
    ret.ty = m.m[13];
    return ret;
}

const Mat4& Node::getNodeToParentTransform() const
{
    if (_transformDirty)
    {
        float x = _position.x;
        float y = _position.y;
        float z = _positionZ;
        if (_ignoreAnchorPointForPosition)
        {
            x += _anchorPointInPoints.x;
            y += _anchorPointInPoints.y;
        }

        bool needsSkewMatrix = (_skewX || _skewY);
        Vec2 anchorPoint(_anchorPointInPoints.x * _scaleX, _anchorPointInPoints.y * _scaleY);
        if (!needsSkewMatrix && !_anchorPointInPoints.isZero())
        {
            x += -anchorPoint.x;
            y += -anchorPoint.y;
        }

        // translation * rotation * scale, rotating about the anchor point
        Mat4 translation;
        Mat4::createTranslation(x + anchorPoint.x, y + anchorPoint.y, z, &translation);
        _transform.setIdentity();
        if (_rotationZ_X == _rotationZ_Y)
        {
            if (_rotationZ_X != 0)
                Mat4::createRotationZ(-CC_DEGREES_TO_RADIANS(_rotationZ_X), &_transform);
        }
        else
        {
            // Different X and Y rotations skew the axes separately.
            float radiansX = -CC_DEGREES_TO_RADIANS(_rotationZ_X);
            float radiansY = -CC_DEGREES_TO_RADIANS(_rotationZ_Y);
            float cx = cosf(radiansX);
            float sx = sinf(radiansX);
            float cy = cosf(radiansY);
            float sy = sinf(radiansY);
            float m0 = _transform.m[0], m1 = _transform.m[1], m4 = _transform.m[4], m5 = _transform.m[5],
                  m8 = _transform.m[8], m9 = _transform.m[9];
            _transform.m[0] = cy * m0 - sx * m1, _transform.m[4] = cy * m4 - sx * m5, _transform.m[8] = cy * m8 - sx * m9;
            _transform.m[1] = sy * m0 + cx * m1, _transform.m[5] = sy * m4 + cx * m5, _transform.m[9] = sy * m8 + cx * m9;
        }
        _transform = translation * _transform;
        _transform.translate(-anchorPoint.x, -anchorPoint.y, 0);

        if (_scaleX != 1.f)
        {
            _transform.m[0] *= _scaleX, _transform.m[1] *= _scaleX, _transform.m[2] *= _scaleX;
        }
        if (_scaleY != 1.f)
        {
            _transform.m[4] *= _scaleY, _transform.m[5] *= _scaleY, _transform.m[6] *= _scaleY;
        }
        if (_scaleZ != 1.f)
        {
            _transform.m[8] *= _scaleZ, _transform.m[9] *= _scaleZ, _transform.m[10] *= _scaleZ;
        }

        if (needsSkewMatrix)
        {
            float skewMatArray[16] = {1, (float)tanf(CC_DEGREES_TO_RADIANS(_skewY)), 0, 0,
                                      (float)tanf(CC_DEGREES_TO_RADIANS(_skewX)), 1, 0, 0,
                                      0, 0, 1, 0,
                                      0, 0, 0, 1};
            Mat4 skewMatrix(skewMatArray);
            _transform = _transform * skewMatrix;
            if (!_anchorPointInPoints.isZero())
            {
                _transform.m[12] += _transform.m[0] * -_anchorPointInPoints.x + _transform.m[4] * -_anchorPointInPoints.y;
                _transform.m[13] += _transform.m[1] * -_anchorPointInPoints.x + _transform.m[5] * -_anchorPointInPoints.y;
            }
        }
    }

    if (_additionalTransform)
    {
        if (_transformDirty)
            _additionalTransform[1] = _transform;
        if (_transformUpdated)
            _transform = _additionalTransform[1] * _additionalTransform[0];
    }
    _transformDirty = _additionalTransformDirty = false;
    return _transform;
}

void Node::setNodeToParentTransform(const Mat4& transform)
{
    _transform = transform;
    _transformDirty = false;
    _transformUpdated = true;
    if (_additionalTransform)
        _additionalTransform[1] = transform;
}

void Node::setAdditionalTransform(const AffineTransform& additionalTransform)
{
    Mat4 tmp;
    tmp.m[0] = additionalTransform.a;
    tmp.m[1] = additionalTransform.b;
    tmp.m[4] = additionalTransform.c;
    tmp.m[5] = additionalTransform.d;
    tmp.m[12] = additionalTransform.tx;
    tmp.m[13] = additionalTransform.ty;
    setAdditionalTransform(&tmp);
}

void Node::setAdditionalTransform(const Mat4* additionalTransform)
{
    if (additionalTransform == nullptr)
    {
        if (_additionalTransform)
            _transform = _additionalTransform[1];
        delete[] _additionalTransform;
        _additionalTransform = nullptr;
    }
    else
    {
        if (!_additionalTransform)
        {
            _additionalTransform = new Mat4[2];
            _additionalTransform[1] = _transform;
        }
        _additionalTransform[0] = *additionalTransform;
    }
    _transformUpdated = _additionalTransformDirty = _inverseDirty = true;
}

AffineTransform Node::getParentToNodeAffineTransform() const
{
    AffineTransform ret;
    const Mat4& m = getParentToNodeTransform();
    ret.a = m.m[0];
    ret.b = m.m[1];
    ret.c = m.m[4];
    ret.d = m.m[5];
    ret.tx = m.m[12];
    ret.ty = m.m[13];
    return ret;
}

const Mat4& Node::getParentToNodeTransform() const
{
    if (_inverseDirty)
    {
        _inverse = getNodeToParentTransform().getInversed();
        _inverseDirty = false;
    }
    return _inverse;
}

AffineTransform Node::getNodeToWorldAffineTransform() const
{
    return this->getNodeToParentAffineTransform(nullptr);
}

Mat4 Node::getNodeToWorldTransform() const
{
    return this->getNodeToParentTransform(nullptr);
}

AffineTransform Node::getWorldToNodeAffineTransform() const
{
    return AffineTransformInvert(this->getNodeToWorldAffineTransform());
}

Mat4 Node::getWorldToNodeTransform() const
{
    return getNodeToWorldTransform().getInversed();
}

Vec2 Node::convertToNodeSpace(const Vec2& worldPoint) const
{
    Mat4 tmp = getWorldToNodeTransform();
    Vec3 vec3(worldPoint.x, worldPoint.y, 0);
    Vec3 ret;
    tmp.transformPoint(vec3, &ret);
    return Vec2(ret.x, ret.y);
}

Vec2 Node::convertToWorldSpace(const Vec2& nodePoint) const
{
    Mat4 tmp = getNodeToWorldTransform();
    Vec3 vec3(nodePoint.x, nodePoint.y, 0);
    Vec3 ret;
    tmp.transformPoint(vec3, &ret);
    return Vec2(ret.x, ret.y);
}

Vec2 Node::convertToNodeSpaceAR(const Vec2& worldPoint) const
{
    Vec2 nodePoint(convertToNodeSpace(worldPoint));
    return nodePoint - _anchorPointInPoints;
}

Vec2 Node::convertToWorldSpaceAR(const Vec2& nodePoint) const
{
    return convertToWorldSpace(nodePoint + _anchorPointInPoints);
}

Vec2 Node::convertToWindowSpace(const Vec2& nodePoint) const
{
    return _director->convertToUI(convertToWorldSpace(nodePoint));
}

Vec2 Node::convertTouchToNodeSpace(Touch* touch) const
{
    return this->convertToNodeSpace(touch->getLocation());
}

Vec2 Node::convertTouchToNodeSpaceAR(Touch* touch) const
{
    return this->convertToNodeSpaceAR(touch->getLocation());
}

// MARK: colour and opacity

GLubyte Node::getOpacity(void) const
{
    return _realOpacity;
}

GLubyte Node::getDisplayedOpacity() const
{
    return _displayedOpacity;
}

void Node::setOpacity(GLubyte opacity)
{
    _displayedOpacity = _realOpacity = opacity;
    updateCascadeOpacity();
}

void Node::updateDisplayedOpacity(GLubyte parentOpacity)
{
    _displayedOpacity = _realOpacity * parentOpacity / 255.0;
    updateColor();
    if (_cascadeOpacityEnabled)
    {
        for (const auto& child : _children)
            child->updateDisplayedOpacity(_displayedOpacity);
    }
}

bool Node::isCascadeOpacityEnabled(void) const
{
    return _cascadeOpacityEnabled;
}

void Node::setCascadeOpacityEnabled(bool cascadeOpacityEnabled)
{
    if (_cascadeOpacityEnabled == cascadeOpacityEnabled)
        return;
    _cascadeOpacityEnabled = cascadeOpacityEnabled;
    if (cascadeOpacityEnabled)
        updateCascadeOpacity();
    else
        disableCascadeOpacity();
}

void Node::updateCascadeOpacity()
{
    GLubyte parentOpacity = 255;
    if (_parent != nullptr && _parent->isCascadeOpacityEnabled())
        parentOpacity = _parent->getDisplayedOpacity();
    updateDisplayedOpacity(parentOpacity);
}

void Node::disableCascadeOpacity()
{
    _displayedOpacity = _realOpacity;
    for (const auto& child : _children)
        child->updateDisplayedOpacity(255);
}

const Color3B& Node::getColor(void) const
{
    return _realColor;
}

const Color3B& Node::getDisplayedColor() const
{
    return _displayedColor;
}

void Node::setColor(const Color3B& color)
{
    _displayedColor = _realColor = color;
    updateCascadeColor();
}

void Node::updateDisplayedColor(const Color3B& parentColor)
{
    _displayedColor.r = _realColor.r * parentColor.r / 255.0;
    _displayedColor.g = _realColor.g * parentColor.g / 255.0;
    _displayedColor.b = _realColor.b * parentColor.b / 255.0;
    updateColor();
    if (_cascadeColorEnabled)
    {
        for (const auto& child : _children)
            child->updateDisplayedColor(_displayedColor);
    }
}

bool Node::isCascadeColorEnabled(void) const
{
    return _cascadeColorEnabled;
}

void Node::setCascadeColorEnabled(bool cascadeColorEnabled)
{
    if (_cascadeColorEnabled == cascadeColorEnabled)
        return;
    _cascadeColorEnabled = cascadeColorEnabled;
    if (_cascadeColorEnabled)
        updateCascadeColor();
    else
        disableCascadeColor();
}

void Node::updateCascadeColor()
{
    Color3B parentColor = Color3B::WHITE;
    if (_parent && _parent->isCascadeColorEnabled())
        parentColor = _parent->getDisplayedColor();
    updateDisplayedColor(parentColor);
}

void Node::disableCascadeColor()
{
    for (const auto& child : _children)
        child->updateDisplayedColor(Color3B::WHITE);
}

NS_CC_END
