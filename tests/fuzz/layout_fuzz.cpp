// Stagecraft's layout parser on any layout file: the input's first byte says
// whether a screen layer is supplied, the rest is the file. Whatever the file,
// the parse returns null or a tree; a supplied layer is never replaced by a
// plain "Panel" root; the tree can be searched, routed, adapted, shown for a
// frame and freed.
#include <string>

#include "FuzzCheck.h"
#include "MemoryFileUtils.h"
#include "cocos2d.h"
#include "layout/CParseJson.h"
#include "layout/CParseLayer.h"
#include "services/CAutoScreen.h"

namespace {

MemoryFileUtils* g_files = MemoryFileUtils::install();
// Absolute, so that the parser's look-up takes it as it is.
const char* const kLayout = "/memory/layout.json";

cocos2d::Scene* runningScene()
{
    static cocos2d::Scene* scene = [] {
        // A window an eighth of the design's size: the design still fits it
        // (scaled), and each drawn frame costs 64 times fewer pixels.
        cocos2d::Director* director = cocos2d::Director::getInstance();
        director->setOpenGLView(cocos2d::GLViewImpl::createWithRect("layout fuzz", cocos2d::Rect(0, 0, 120, 80)));
        CAutoScreen::SetSceneResolute(960, 640);
        cocos2d::Scene* s = cocos2d::Scene::create();
        director->runWithScene(s);
        director->mainLoop(0.0f);
        return s;
    }();
    return scene;
}

class Handlers : public cocos2d::Ref {
public:
    void Touched(cocos2d::Node* node) { FUZZ_CHECK(node != nullptr); }
};

Handlers* g_handlers = new Handlers();

// A tap in the middle of the window.
void tap()
{
    cocos2d::GLView* view = cocos2d::Director::getInstance()->getOpenGLView();
    intptr_t id = 1;
    float x = 60, y = 40;
    view->handleTouchesBegin(1, &id, &x, &y);
    view->handleTouchesEnd(1, &id, &x, &y);
}

} // namespace

// The engine shares one program state per shader program in a table that is
// destroyed at exit before the leak check runs: its states are no leak.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:cocos2d::GLProgramState::getOrCreateWithGLProgram\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    cocos2d::Scene* scene = runningScene();
    const bool withLayer = (data[0] & 1) != 0;
    g_files->setFile(kLayout, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));

    CParseLayer* layer = CParseLayer::create();
    layer->retain();
    CParseJson* parser = CParseJson::shareParseJson();
    cocos2d::Node* root = parser->ParseLayerJsonFile(kLayout, withLayer ? layer : nullptr);
    if (root != nullptr) {
        CParseLayer* screen = dynamic_cast<CParseLayer*>(root);
        // A supplied layer is the only parsed layer returned; without one a
        // parsed layer always comes back, and it is the one buttons report to.
        FUZZ_CHECK(!withLayer || screen == nullptr || screen == layer);
        FUZZ_CHECK(withLayer || screen != nullptr);
        if (screen == nullptr)
            screen = layer;
        FUZZ_CHECK(parser->GetRootLayer() == screen);

        screen->SetSelectorEnded(g_handlers, CC_CALLFUNCN_SELECTOR(Handlers::Touched));
        screen->GetNodeWithName("bt_ok");
        screen->SetAutoPosition();
        screen->SetAutoPosition(root);
        if (root->getParent() == nullptr)
            scene->addChild(root);
        cocos2d::Director::getInstance()->mainLoop(1.0f / 60);
        tap();
        screen->SetAllButtonTouchBeganEvent(g_handlers, CC_CALLFUNCN_SELECTOR(Handlers::Touched));
        tap();
        root->removeFromParent();
    }
    layer->release();
    cocos2d::PoolManager::getInstance()->getCurrentPool()->clear();
    return 0;
}
