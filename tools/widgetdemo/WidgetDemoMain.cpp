// Stagecraft's widgets in one scene, run headless under the engine's clock:
// buttons in their states, a toggle, a long press, a count-down label,
// scores, a turn clock and rolling numbers. Input enters through the view
// as a desktop window delivers it; each line is what a game would see.
// Given a folder (the first argument), it also saves pictures of the scene
// at a few moments there, as the engine draws them.
#include <cstdio>
#include <string>

#include "cocos2d.h"

#include "ListsAndDialogs.h"

#include "widgets/CCLabelAtlasEx.h"
#include "widgets/CSpriteButton.h"
#include "widgets/CSpriteImage.h"
#include "widgets/CSpriteLabel.h"

namespace {

const float kWidth = 960;
const float kHeight = 640;
const float kFrame = 1.0f / 60;
const std::string kArt = "widgetdemo_art/";

double g_clock = 0;
std::string g_pictures;

void Say(const std::string& text)
{
    std::printf("[%6.2f s] %s\n", g_clock, text.c_str());
    std::fflush(stdout);
}

void Frames(int count)
{
    for (int i = 0; i < count; ++i) {
        cocos2d::Director::getInstance()->mainLoop(kFrame);
        g_clock += kFrame;
    }
}

// The next frame saved as a PNG picture in the pictures folder.
void Snap(const std::string& name)
{
    if (g_pictures.empty())
        return;
    bool saved = false;
    std::string file;
    cocos2d::utils::captureScreen(
        [&](bool ok, const std::string& path) {
            saved = ok;
            file = path;
        },
        g_pictures + "/" + name);
    Frames(1);
    Say(saved ? "picture " + name : "picture " + name + ": not written to " + file);
}

const char* StateName(CSpriteButton::BUTTON_ENUM state)
{
    switch (state) {
    case CSpriteButton::BUTTON_NORMAL: return "normal";
    case CSpriteButton::BUTTON_PRESSED: return "pressed";
    case CSpriteButton::BUTTON_HOVER: return "hover";
    case CSpriteButton::BUTTON_SELECTED: return "selected";
    case CSpriteButton::BUTTON_DISABLED: return "disabled";
    default: return "?";
    }
}

std::string Look(CSpriteButton* button)
{
    char text[160];
    std::snprintf(text, sizeof(text), "%s: %s, frame at x = %.0f, scale %.2f%s", button->getName().c_str(),
                  StateName(button->GetButtonStatus()), button->getTextureRect().origin.x, button->getScaleX(),
                  button->GetEnableToggle() ? (button->GetToggle() ? ", toggled on" : ", toggled off") : "");
    return text;
}

// What the game registers on its widgets.
class Game : public cocos2d::Ref {
public:
    void Began(cocos2d::Node* node) { Say("began  " + node->getName()); }
    void Ended(cocos2d::Node* node) { Say("ended  " + node->getName() + " -> clicked"); }
    void LongPressed(cocos2d::Node* node) { Say("long press " + node->getName()); }
    void LongPressedEnded(cocos2d::Node* node) { Say("long press over " + node->getName()); }
    void ClockTick(cocos2d::Node* node)
    {
        Say(node->getName() + " tick: " + std::to_string(static_cast<CSpriteImage*>(node)->GetTimeCount()) + " s left");
    }
    void ClockEnded(cocos2d::Node* node) { Say(node->getName() + " ran out"); }
    void CountDownEnded(cocos2d::Node* node) { Say(node->getName() + " reached zero"); }
};

class Mouse {
public:
    explicit Mouse(cocos2d::GLView* view) : m_pView(view) {}
    // Scene points (origin bottom-left) into window pixels.
    void Move(cocos2d::Vec2 p) { m_pView->handleMouseMove(p.x, kHeight - p.y); }
    void Down(cocos2d::Vec2 p) { m_pView->handleMouseDown(p.x, kHeight - p.y); }
    void Up(cocos2d::Vec2 p) { m_pView->handleMouseUp(p.x, kHeight - p.y); }

private:
    cocos2d::GLView* m_pView;
};

CSpriteButton* StripButton(cocos2d::Node* scene, Game* game, const std::string& name, cocos2d::Vec2 pos)
{
    CSpriteButton* button = CSpriteButton::create(kArt + "strip500x40.png", 5, CSpriteButton::BUTTON_STRIP);
    button->setName(name);
    button->setPosition(pos);
    button->SetSelectorBegan(game, CC_CALLFUNCN_SELECTOR(Game::Began));
    button->SetSelectorEnded(game, CC_CALLFUNCN_SELECTOR(Game::Ended));
    scene->addChild(button);
    return button;
}

void Buttons(cocos2d::Scene* scene, Game* game, Mouse& mouse)
{
    std::printf("-- buttons (five-frame strip, 100 x 40 each)\n");
    const cocos2d::Vec2 playAt(200, 500), offAt(350, 500), toggleAt(500, 500), holdAt(650, 500);
    CSpriteButton* play = StripButton(scene, game, "play", playAt);
    play->SetSelectType(CSpriteButton::SELECT_SCALE);
    CSpriteButton* off = StripButton(scene, game, "off", offAt);
    off->SetEnableTouch(false);
    CSpriteButton* toggle = StripButton(scene, game, "sound", toggleAt);
    toggle->SetButtonToggleWithIndex(2);
    CSpriteButton* hold = StripButton(scene, game, "hold", holdAt);
    hold->setLongPressedCallback(game, CC_CALLFUNCN_SELECTOR(Game::LongPressed));
    hold->setLongPressedEndedCallback(game, CC_CALLFUNCN_SELECTOR(Game::LongPressedEnded));
    CSpriteButton* ok = CSpriteButton::create(kArt + "bar40x20.png", "OK", "Arial", 20);
    ok->setName("ok");
    ok->SetScale9RelativeSize(cocos2d::Size(40, 12));
    ok->setPosition(cocos2d::Vec2(800, 500));
    scene->addChild(ok);
    Frames(1);
    for (CSpriteButton* b : { play, off, toggle, hold })
        Say(Look(b));
    char size[96];
    std::snprintf(size, sizeof(size), "ok: label \"%s\" on a nine-slice background, %.0f x %.0f",
                  ok->GetLabel()->getString().c_str(), ok->getContentSize().width, ok->getContentSize().height);
    Say(size);

    mouse.Move(playAt);
    Say("pointer over play -> " + Look(play));
    mouse.Down(playAt);
    Say(Look(play));
    Frames(6);
    mouse.Up(playAt);
    Say(Look(play));
    mouse.Move(cocos2d::Vec2(200, 300));
    Say("pointer away -> " + Look(play));

    mouse.Down(offAt);
    mouse.Up(offAt);
    Say("click on off: no callback, " + Look(off));

    for (int i = 0; i < 2; ++i) {
        mouse.Down(toggleAt);
        Frames(6);
        mouse.Up(toggleAt);
        Say(Look(toggle));
    }

    mouse.Down(holdAt);
    Frames(48);
    mouse.Up(holdAt);
    Say(Look(hold));

    ok->SetGreyScale(true);
    Say(std::string("ok in grey scale: ") + (ok->GetGreyScale() ? "on" : "off"));
    hold->SetGreyScale(true);
    Say(std::string("hold in grey scale: ") + (hold->GetGreyScale() ? "on" : "off"));
    mouse.Move(playAt);
    mouse.Down(playAt);
    Frames(6);
    Say("play held down: " + Look(play));
    Snap("widgets-buttons.png");
    mouse.Up(playAt);
    mouse.Move(cocos2d::Vec2(200, 300));
}

void Labels(cocos2d::Scene* scene, Game* game)
{
    std::printf("-- labels, scores and clocks\n");
    CSpriteLabel* score = CSpriteLabel::create("", "Arial", 24);
    score->setPosition(cocos2d::Vec2(200, 400));
    scene->addChild(score);
    for (long long value : { 123456789LL, 100000000LL, 9999999LL, 9999998LL, -5LL }) {
        score->SetScore(value);
        Say("score label " + std::to_string(value) + " -> " + score->getString());
    }
    CSpriteLabel* name = CSpriteLabel::create("", "Arial", 24);
    name->setString("A rather long player name", 150, CSpriteLabel::ELLIPSIS_BACK);
    Say("name within 150 points -> " + name->getString());

    CSpriteImage* digits = CSpriteImage::createScore(kArt + "score110x14.png", 2048, 11, 0, 10, 1);
    scene->addChild(digits);
    char text[96];
    std::snprintf(text, sizeof(text), "score image 2048 with its mark: %d glyphs, %.0f x %.0f",
                  static_cast<int>(digits->getChildrenCount()), digits->getContentSize().width, digits->getContentSize().height);
    Say(text);

    CSpriteLabel* countDown = CSpriteLabel::create(0, 1, 2, CSpriteLabel::TIME_MS, "Arial", 24);
    countDown->setName("count-down");
    countDown->SetSelectorEnded(game, CC_CALLFUNCN_SELECTOR(Game::CountDownEnded));
    scene->addChild(countDown);
    CSpriteImage* turn = CSpriteImage::createWithTimeClock(kArt + "clockbg80x40.png", kArt + "digits220x30.png", 20, 3);
    turn->setName("turn clock");
    turn->SetSelectorMoved(game, CC_CALLFUNCN_SELECTOR(Game::ClockTick));
    turn->SetSelectorEnded(game, CC_CALLFUNCN_SELECTOR(Game::ClockEnded));
    scene->addChild(turn);
    turn->SetTimeStart();
    Say("count-down label from 01:02, turn clock from 3 s");
    std::string shown;
    for (int i = 0; i < 5 * 60; ++i) {
        Frames(1);
        if (countDown->getString() != shown) {
            shown = countDown->getString();
            Say("count-down label shows " + shown);
        }
    }
    // (the clock is gone: only the scene can still be asked)
    Say(std::string("turn clock still in the scene: ") +
        (scene->getChildByName("turn clock") != nullptr ? "yes" : "no"));
}

void Numbers(cocos2d::Scene* scene, Game* game)
{
    std::printf("-- numbers on a character map\n");
    CCLabelAtlasEx* number = CCLabelAtlasEx::create("0", kArt + "charmap208x24.png", 16, 24, '0');
    number->setPosition(cocos2d::Vec2(560, 60));
    scene->addChild(number);
    number->SetLabelNumWithUnit(150000000);
    Say("150000000 with unit glyphs -> \"" + number->getString() + "\"");
    number->setNumWithAnimation(205);
    Say("rolling onto 205");
    std::string shown = number->getString();
    while (number->isScheduled(CC_SCHEDULE_SELECTOR(CCLabelAtlasEx::updateNum))) {
        Frames(1);
        if (number->getString() != shown) {
            shown = number->getString();
            Say("  " + shown);
        }
    }
    Say("settled on " + number->getString());

    CCLabelAtlasEx* seconds =
        CCLabelAtlasEx::createWithCountDown("03", kArt + "charmap208x24.png", 16, 24, '0', 3.0f);
    seconds->setName("seconds");
    seconds->setPosition(cocos2d::Vec2(760, 60));
    seconds->SetSelectorEnded(game, CC_CALLFUNCN_SELECTOR(Game::CountDownEnded));
    scene->addChild(seconds);
    shown.clear();
    for (int i = 0; i < 4 * 60; ++i) {
        Frames(1);
        if (seconds->getString() != shown) {
            shown = seconds->getString();
            Say("seconds shows " + shown);
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        g_pictures = argv[1];
    cocos2d::Director* director = cocos2d::Director::getInstance();
    cocos2d::GLView* view = cocos2d::GLViewImpl::createWithRect("widgets", cocos2d::Rect(0, 0, kWidth, kHeight));
    director->setOpenGLView(view);
    view->setDesignResolutionSize(kWidth, kHeight, ResolutionPolicy::SHOW_ALL);
    cocos2d::Scene* scene = cocos2d::Scene::create();
    director->runWithScene(scene);
    director->mainLoop(0);

    Game* game = new Game();
    Mouse mouse(view);
    Buttons(scene, game, mouse);
    Labels(scene, game);
    Numbers(scene, game);
    ListsAndDialogs(scene, Say, Frames, Snap);

    director->end();
    director->mainLoop(0);
    game->release();
    return 0;
}
