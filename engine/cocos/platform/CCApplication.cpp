#include "platform/CCApplication.h"

#include <stdlib.h>
#include "base/CCDirector.h"
#include "platform/CCGLView.h"

NS_CC_BEGIN

Application* Application::sm_pSharedApplication = nullptr;

Application::Application()
: _animationInterval(1.0f / 60)
, _frameLimit(0)
{
    sm_pSharedApplication = this;
}

Application::~Application()
{
    if (sm_pSharedApplication == this)
        sm_pSharedApplication = nullptr;
}

Application* Application::getInstance()
{
    return sm_pSharedApplication;
}

int Application::run()
{
    initGLContextAttrs();
    if (!applicationDidFinishLaunching())
        return 1;

    Director* director = Director::getInstance();
    GLView* glview = director->getOpenGLView();
    if (glview == nullptr)
        return 1;
    // The view goes with the director at its end; hold it to watch it close.
    glview->retain();
    unsigned int frames = 0;
    while (!glview->windowShouldClose() && (_frameLimit == 0 || frames < _frameLimit))
    {
        director->mainLoop();
        glview->pollEvents();
        ++frames;
    }
    if (!glview->windowShouldClose())
    {
        director->end();
        director->mainLoop();
    }
    glview->release();
    return 0;
}

void Application::setAnimationInterval(float interval)
{
    _animationInterval = interval;
    Director::getInstance()->setAnimationInterval(interval);
}

LanguageType Application::getCurrentLanguage()
{
    const char* code = getCurrentLanguageCode();
    if (code[0] == 'z' && code[1] == 'h')
        return LanguageType::CHINESE;
    return LanguageType::ENGLISH;
}

const char* Application::getCurrentLanguageCode()
{
    // From the locale of the environment, as "zh" or "en".
    const char* lang = getenv("LC_ALL");
    if (lang == nullptr || *lang == '\0')
        lang = getenv("LANG");
    if (lang != nullptr && lang[0] == 'z' && lang[1] == 'h')
        return "zh";
    return "en";
}

Application::Platform Application::getTargetPlatform()
{
#if defined(_WIN32)
    return Platform::OS_WINDOWS;
#else
    return Platform::OS_LINUX;
#endif
}

std::string Application::getVersion()
{
    return "";
}

bool Application::openURL(const std::string& url)
{
    CC_UNUSED_PARAM(url);
    return false;
}

NS_CC_END
