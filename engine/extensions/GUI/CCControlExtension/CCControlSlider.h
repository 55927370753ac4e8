#ifndef __CCCONTROL_SLIDER_H__
#define __CCCONTROL_SLIDER_H__

#include "2d/CCSprite.h"
#include "extensions/GUI/CCControlExtension/CCControl.h"
#include "extensions/GUI/CCControlExtension/CCInvocation.h"

NS_CC_EXT_BEGIN

/** A horizontal slider: a background, a progress bar that fills up to the
 *  thumb, and the thumb (a selected look while dragged). Its value lies in
 *  [minimum, maximum]; a touch sets values within [minimum allowed, maximum
 *  allowed], which setMinimumValue/setMaximumValue set along with the range
 *  and which is [0, 0] before. Every setValue sends VALUE_CHANGED. */
class CC_EX_DLL ControlSlider : public Control
{
public:
    static ControlSlider* create(const char* bgFile, const char* progressFile, const char* thumbFile);
    static ControlSlider* create(const char* bgFile, const char* progressFile, const char* thumbFile,
                                 const char* selectedThumbSpriteFile);
    static ControlSlider* create(Sprite* backgroundSprite, Sprite* pogressSprite, Sprite* thumbSprite);
    static ControlSlider* create(Sprite* backgroundSprite, Sprite* pogressSprite, Sprite* thumbSprite,
                                 Sprite* selectedThumbSprite);

    ControlSlider();
    virtual ~ControlSlider();

    virtual bool initWithSprites(Sprite* backgroundSprite, Sprite* progressSprite, Sprite* thumbSprite);
    virtual bool initWithSprites(Sprite* backgroundSprite, Sprite* progressSprite, Sprite* thumbSprite,
                                 Sprite* selectedThumbSprite);

    virtual void needsLayout() override;
    virtual void setEnabled(bool enabled) override;
    virtual bool isTouchInside(Touch* touch) override;
    Vec2 locationFromTouch(Touch* touch);

    virtual void setValue(float val);
    virtual float getValue() const { return _value; }
    virtual void setMinimumValue(float val);
    virtual float getMinimumValue() const { return _minimumValue; }
    virtual void setMaximumValue(float val);
    virtual float getMaximumValue() const { return _maximumValue; }
    virtual void setMinimumAllowedValue(float val) { _minimumAllowedValue = val; }
    virtual float getMinimumAllowedValue() const { return _minimumAllowedValue; }
    virtual void setMaximumAllowedValue(float val) { _maximumAllowedValue = val; }
    virtual float getMaximumAllowedValue() const { return _maximumAllowedValue; }

    CC_SYNTHESIZE_RETAIN(Sprite*, _thumbSprite, ThumbSprite);
    CC_SYNTHESIZE_RETAIN(Sprite*, _selectedThumbSprite, SelectedThumbSprite);
    CC_SYNTHESIZE_RETAIN(Sprite*, _progressSprite, ProgressSprite);
    CC_SYNTHESIZE_RETAIN(Sprite*, _backgroundSprite, BackgroundSprite);

protected:
    void sliderBegan(Vec2 location);
    void sliderMoved(Vec2 location);
    void sliderEnded(Vec2 location);

    virtual bool onTouchBegan(Touch* touch, Event* pEvent) override;
    virtual void onTouchMoved(Touch* pTouch, Event* pEvent) override;
    virtual void onTouchEnded(Touch* pTouch, Event* pEvent) override;

    /** The value at a point of the slider's own space. */
    float valueForLocation(Vec2 location);

    float _value;
    float _minimumValue;
    float _maximumValue;
    float _minimumAllowedValue;
    float _maximumAllowedValue;
};

NS_CC_EXT_END

#endif
