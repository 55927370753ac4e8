#include "extensions/GUI/CCControlExtension/CCControlSlider.h"

#include <algorithm>

#include "base/CCTouch.h"

NS_CC_EXT_BEGIN

ControlSlider::ControlSlider()
    : _thumbSprite(nullptr),
      _selectedThumbSprite(nullptr),
      _progressSprite(nullptr),
      _backgroundSprite(nullptr),
      _value(0.0f),
      _minimumValue(0.0f),
      _maximumValue(0.0f),
      _minimumAllowedValue(0.0f),
      _maximumAllowedValue(0.0f)
{
}

ControlSlider::~ControlSlider()
{
    CC_SAFE_RELEASE(_thumbSprite);
    CC_SAFE_RELEASE(_selectedThumbSprite);
    CC_SAFE_RELEASE(_progressSprite);
    CC_SAFE_RELEASE(_backgroundSprite);
}

ControlSlider* ControlSlider::create(const char* bgFile, const char* progressFile, const char* thumbFile)
{
    Sprite* background = Sprite::create(bgFile ? bgFile : "");
    Sprite* progress = Sprite::create(progressFile ? progressFile : "");
    Sprite* thumb = Sprite::create(thumbFile ? thumbFile : "");
    if (!background || !progress || !thumb) return nullptr;
    return create(background, progress, thumb);
}

ControlSlider* ControlSlider::create(const char* bgFile, const char* progressFile, const char* thumbFile,
                                     const char* selectedThumbSpriteFile)
{
    Sprite* background = Sprite::create(bgFile ? bgFile : "");
    Sprite* progress = Sprite::create(progressFile ? progressFile : "");
    Sprite* thumb = Sprite::create(thumbFile ? thumbFile : "");
    Sprite* selected = Sprite::create(selectedThumbSpriteFile ? selectedThumbSpriteFile : "");
    if (!background || !progress || !thumb || !selected) return nullptr;
    return create(background, progress, thumb, selected);
}

ControlSlider* ControlSlider::create(Sprite* backgroundSprite, Sprite* progressSprite, Sprite* thumbSprite)
{
    ControlSlider* ret = new (std::nothrow) ControlSlider();
    if (ret && ret->initWithSprites(backgroundSprite, progressSprite, thumbSprite))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

ControlSlider* ControlSlider::create(Sprite* backgroundSprite, Sprite* progressSprite, Sprite* thumbSprite,
                                     Sprite* selectedThumbSprite)
{
    ControlSlider* ret = new (std::nothrow) ControlSlider();
    if (ret && ret->initWithSprites(backgroundSprite, progressSprite, thumbSprite, selectedThumbSprite))
    {
        ret->autorelease();
        return ret;
    }
    delete ret;
    return nullptr;
}

bool ControlSlider::initWithSprites(Sprite* backgroundSprite, Sprite* progressSprite, Sprite* thumbSprite)
{
    if (!thumbSprite) return false;
    Sprite* selected = Sprite::createWithTexture(thumbSprite->getTexture(), thumbSprite->getTextureRect());
    if (!selected) return false;
    selected->setColor(Color3B::GRAY);
    return initWithSprites(backgroundSprite, progressSprite, thumbSprite, selected);
}

bool ControlSlider::initWithSprites(Sprite* backgroundSprite, Sprite* progressSprite, Sprite* thumbSprite,
                                    Sprite* selectedThumbSprite)
{
    if (!backgroundSprite || !progressSprite || !thumbSprite || !selectedThumbSprite) return false;
    if (!Control::init()) return false;
    setIgnoreAnchorPointForPosition(false);
    setBackgroundSprite(backgroundSprite);
    setProgressSprite(progressSprite);
    setThumbSprite(thumbSprite);
    setSelectedThumbSprite(selectedThumbSprite);

    Rect maxRect = backgroundSprite->getBoundingBox().unionWithRect(thumbSprite->getBoundingBox());
    setContentSize(Size(maxRect.size.width, maxRect.size.height));

    _backgroundSprite->setAnchorPoint(Vec2(0.5f, 0.5f));
    _backgroundSprite->setPosition(getContentSize().width / 2, getContentSize().height / 2);
    addChild(_backgroundSprite);

    _progressSprite->setAnchorPoint(Vec2(0.0f, 0.5f));
    _progressSprite->setPosition(0.0f, getContentSize().height / 2);
    addChild(_progressSprite);

    _thumbSprite->setPosition(0.0f, getContentSize().height / 2);
    addChild(_thumbSprite);

    _selectedThumbSprite->setPosition(0.0f, getContentSize().height / 2);
    _selectedThumbSprite->setVisible(false);
    addChild(_selectedThumbSprite);

    _minimumValue = 0.0f;
    _maximumValue = 1.0f;
    setValue(_minimumValue);
    return true;
}

void ControlSlider::setEnabled(bool enabled)
{
    Control::setEnabled(enabled);
    if (_thumbSprite) _thumbSprite->setOpacity(enabled ? 255 : 128);
}

void ControlSlider::setValue(float value)
{
    value = std::max(value, _minimumValue);
    value = std::min(value, _maximumValue);
    _value = value;
    needsLayout();
    sendActionsForControlEvents(Control::EventType::VALUE_CHANGED);
}

void ControlSlider::setMinimumValue(float minimumValue)
{
    _minimumValue = minimumValue;
    _minimumAllowedValue = minimumValue;
    if (_minimumValue >= _maximumValue) _maximumValue = _minimumValue + 1.0f;
    setValue(_value);
}

void ControlSlider::setMaximumValue(float maximumValue)
{
    _maximumValue = maximumValue;
    _maximumAllowedValue = maximumValue;
    if (_maximumValue <= _minimumValue) _minimumValue = _maximumValue - 1.0f;
    setValue(_value);
}

bool ControlSlider::isTouchInside(Touch* touch)
{
    if (!_parent || !_thumbSprite) return false;
    Vec2 touchLocation = _parent->convertToNodeSpace(touch->getLocation());
    Rect rect = getBoundingBox();
    rect.size.width += _thumbSprite->getContentSize().width;
    rect.origin.x -= _thumbSprite->getContentSize().width / 2;
    return rect.containsPoint(touchLocation);
}

Vec2 ControlSlider::locationFromTouch(Touch* touch)
{
    Vec2 touchLocation = convertToNodeSpace(touch->getLocation());
    float width = _backgroundSprite ? _backgroundSprite->getContentSize().width : 0.0f;
    touchLocation.x = std::max(0.0f, std::min(touchLocation.x, width));
    return touchLocation;
}

bool ControlSlider::onTouchBegan(Touch* touch, Event* /*pEvent*/)
{
    if (!isTouchInside(touch) || !isEnabled() || !isVisible()) return false;
    sliderBegan(locationFromTouch(touch));
    return true;
}

void ControlSlider::onTouchMoved(Touch* pTouch, Event* /*pEvent*/)
{
    sliderMoved(locationFromTouch(pTouch));
}

void ControlSlider::onTouchEnded(Touch* /*pTouch*/, Event* /*pEvent*/)
{
    sliderEnded(Vec2::ZERO);
}

void ControlSlider::needsLayout()
{
    if (!_thumbSprite || !_selectedThumbSprite || !_backgroundSprite || !_progressSprite) return;
    float range = _maximumValue - _minimumValue;
    float percent = range > 0 ? (_value - _minimumValue) / range : 0.0f;
    Vec2 pos = _thumbSprite->getPosition();
    pos.x = percent * _backgroundSprite->getContentSize().width;
    _thumbSprite->setPosition(pos);
    _selectedThumbSprite->setPosition(pos);

    // the progress bar shows as much of itself as lies left of the thumb
    Rect textureRect = _progressSprite->getTextureRect();
    textureRect = Rect(textureRect.origin.x, textureRect.origin.y, pos.x, textureRect.size.height);
    _progressSprite->setTextureRect(textureRect, _progressSprite->isTextureRectRotated(), textureRect.size);
}

void ControlSlider::sliderBegan(Vec2 location)
{
    setSelected(true);
    if (_thumbSprite) _thumbSprite->setVisible(false);
    if (_selectedThumbSprite) _selectedThumbSprite->setVisible(true);
    setValue(valueForLocation(location));
}

void ControlSlider::sliderMoved(Vec2 location)
{
    setValue(valueForLocation(location));
}

void ControlSlider::sliderEnded(Vec2 /*location*/)
{
    if (isSelected() && _thumbSprite) setValue(valueForLocation(_thumbSprite->getPosition()));
    if (_thumbSprite) _thumbSprite->setVisible(true);
    if (_selectedThumbSprite) _selectedThumbSprite->setVisible(false);
    setSelected(false);
}

float ControlSlider::valueForLocation(Vec2 location)
{
    float width = _backgroundSprite ? _backgroundSprite->getContentSize().width : 0.0f;
    float percent = width > 0 ? location.x / width : 0.0f;
    float value = _minimumValue + percent * (_maximumValue - _minimumValue);
    // The allowed range is [0, 0] until setMinimumValue/setMaximumValue (or
    // the allowed-range setters) give it: a touch then always means 0.
    return std::max(std::min(value, _maximumAllowedValue), _minimumAllowedValue);
}

NS_CC_EXT_END
