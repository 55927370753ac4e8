#ifndef __BASE_CCPROTOCOLS_H__
#define __BASE_CCPROTOCOLS_H__

#include <string>
#include "base/ccTypes.h"

NS_CC_BEGIN

class Texture2D;

// Colour and opacity of an object; nodes implement it.
class CC_DLL __RGBAProtocol
{
public:
    virtual ~__RGBAProtocol() {}
    virtual void setColor(const Color3B& color) = 0;
    virtual const Color3B& getColor() const = 0;
    virtual const Color3B& getDisplayedColor() const = 0;
    virtual GLubyte getDisplayedOpacity() const = 0;
    virtual GLubyte getOpacity() const = 0;
    virtual void setOpacity(GLubyte opacity) = 0;
    virtual void setOpacityModifyRGB(bool value) = 0;
    virtual bool isOpacityModifyRGB() const = 0;
    virtual bool isCascadeColorEnabled() const = 0;
    virtual void setCascadeColorEnabled(bool cascadeColorEnabled) = 0;
    virtual void updateDisplayedColor(const Color3B& color) = 0;
    virtual bool isCascadeOpacityEnabled() const = 0;
    virtual void setCascadeOpacityEnabled(bool cascadeOpacityEnabled) = 0;
    virtual void updateDisplayedOpacity(GLubyte opacity) = 0;
};

class CC_DLL BlendProtocol
{
public:
    virtual ~BlendProtocol() {}
    virtual void setBlendFunc(const BlendFunc& blendFunc) = 0;
    virtual const BlendFunc& getBlendFunc() const = 0;
};

class CC_DLL TextureProtocol : public BlendProtocol
{
public:
    virtual ~TextureProtocol() {}
    virtual Texture2D* getTexture() const = 0;
    virtual void setTexture(Texture2D* texture) = 0;
};

class CC_DLL LabelProtocol
{
public:
    virtual ~LabelProtocol() {}
    virtual void setString(const std::string& label) = 0;
    virtual const std::string& getString() const = 0;
};

class CC_DLL DirectorDelegate
{
public:
    virtual ~DirectorDelegate() {}
    virtual void updateProjection() = 0;
};

NS_CC_END

#endif
