#ifndef __CC_APPLICATION_H__
#define __CC_APPLICATION_H__

#include <string>
#include "platform/CCApplicationProtocol.h"

NS_CC_BEGIN

// The one application object, made by deriving the game's delegate from it.
// run() launches the game and runs frames of the animation interval until
// the view closes (Director::end()), or until the frame limit when one is set.
class CC_DLL Application : public ApplicationProtocol
{
public:
    Application();
    virtual ~Application();

    int run();

    static Application* getInstance();
    CC_DEPRECATED_ATTRIBUTE static Application* sharedApplication() { return getInstance(); }

    virtual void setAnimationInterval(float interval) override;
    virtual LanguageType getCurrentLanguage() override;
    virtual const char* getCurrentLanguageCode() override;
    virtual Platform getTargetPlatform() override;
    virtual std::string getVersion() override;
    virtual bool openURL(const std::string& url) override;
    virtual void applicationDidEnterBackground() override {}
    virtual void applicationWillEnterForeground() override {}

    // At most this many frames per run() (0: no limit).
    void setFrameLimit(unsigned int frames) { _frameLimit = frames; }

protected:
    static Application* sm_pSharedApplication;
    float _animationInterval;
    unsigned int _frameLimit;
};

NS_CC_END

#endif
