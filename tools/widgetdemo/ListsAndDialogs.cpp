// The second half of the widget demo: a paged list swiped by the mouse, a
// list whose button does not fire while the list is dragged, an alert box
// answered, an edit box typed into through the input method, and the lock
// layer running into its time-out. Each line is what a game would see.
#include "ListsAndDialogs.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "services/CAutoScreen.h"
#include "widgets/CCScale9SpriteEx.h"
#include "widgets/CCScrollViewEx.h"
#include "widgets/CSpriteAlert.h"
#include "widgets/CSpriteButton.h"
#include "widgets/CSpriteEditBox.h"
#include "widgets/CSpriteLabel.h"
#include "widgets/CSpriteLock.h"

USING_NS_CC;

namespace {

using Direction = cocos2d::extension::ScrollView::Direction;

// The demo's output and clock, lent by its main part.
DemoSay g_say = nullptr;
DemoFrames g_frames = nullptr;
DemoSnap g_snap = nullptr;

std::string Format(const char* format, double a, double b = 0, double c = 0)
{
    char text[160];
    std::snprintf(text, sizeof(text), format, a, b, c);
    return text;
}

// The desktop window's mouse: the left button also drives touch 0.
class Pointer {
public:
    explicit Pointer(GLView* view) : m_pView(view) {}
    void Move(Vec2 p) { m_pView->handleMouseMove(p.x, Height() - p.y); }
    void Down(Vec2 p) { m_pView->handleMouseDown(p.x, Height() - p.y); }
    void Up(Vec2 p) { m_pView->handleMouseUp(p.x, Height() - p.y); }
    void Click(Vec2 p)
    {
        Down(p);
        Up(p);
    }
    // Pressed at from, moved to to in steps of a frame each, let go there;
    // holdMs of wall-clock time pass before the first step.
    void Drag(Vec2 from, Vec2 to, int steps, int holdMs = 0)
    {
        Down(from);
        if (holdMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
        for (int i = 1; i <= steps; ++i) {
            Move(from + (to - from) * (static_cast<float>(i) / steps));
            g_frames(1);
        }
        Up(to);
    }

private:
    float Height() const { return m_pView->getFrameSize().height; }
    GLView* m_pView;
};

// A pager whose owner hears every page turn.
class Pager : public CCScrollViewEx {
public:
    static Pager* create()
    {
        Pager* pager = new Pager();
        pager->init();
        pager->autorelease();
        return pager;
    }
    void ScrollViewDidPageEnded(cocos2d::extension::ScrollView*, int pageIndex) override
    {
        g_say(Format("pager settles on page %.0f of 3, content offset x = %.0f", pageIndex + 1, -pageIndex * 200.0));
    }
};

// The game's handlers.
class Game : public Node {
public:
    void Clicked(Node* node) { g_say("clicked " + node->getName()); }
    void Answered(Node* node)
    {
        auto* alert = static_cast<CSpriteAlert*>(node);
        g_say(std::string("alert answered: ") + (alert->GetSelectIndex() == 1 ? "cancel" : "confirm")
              + " (select index " + std::to_string(alert->GetSelectIndex()) + ", alert type "
              + std::to_string(alert->GetAlertType()) + "), alert off the scene: "
              + (alert->getParent() == nullptr ? "yes" : "no"));
    }
};

// The game layer owning the pager's touches, as a parsed layer would.
Layer* PagingOwner(CCScrollViewEx* pager)
{
    Layer* owner = Layer::create();
    auto listener = EventListenerTouchOneByOne::create();
    listener->onTouchBegan = [pager](Touch* t, Event*) {
        pager->SetScrollViewPageBegan(t);
        return true;
    };
    listener->onTouchMoved = [pager](Touch* t, Event*) { pager->SetScrollViewPageMoved(t); };
    listener->onTouchEnded = [pager](Touch* t, Event*) { pager->SetScrollViewPageEnded(t); };
    owner->getEventDispatcher()->addEventListenerWithSceneGraphPriority(listener, owner);
    return owner;
}

void Lists(Scene* scene, Game* game, Pointer& pointer)
{
    std::printf("-- paged list and list rows\n");
    Pager* pager = Pager::create();
    pager->setViewSize(Size(200, 100));
    pager->setContentSize(Size(600, 100));
    pager->setDirection(Direction::HORIZONTAL);
    pager->SetPageDirection(Direction::HORIZONTAL);
    pager->SetPageSize(Size(200, 100));
    pager->SetPageCount(3);
    pager->setSwallowTouches(false);
    pager->setPosition(100, 100);
    Layer* owner = PagingOwner(pager);
    owner->addChild(pager);
    scene->addChild(owner);

    g_say("quick swipe of 60 points to the left");
    pointer.Drag(Vec2(250, 150), Vec2(190, 150), 6);
    g_frames(20);
    g_say("slow drag of 60 points (0.7 s)");
    pointer.Drag(Vec2(250, 150), Vec2(190, 150), 6, 700);
    g_frames(20);
    g_say("slow drag of 110 points (0.7 s)");
    pointer.Drag(Vec2(250, 150), Vec2(140, 150), 6, 700);
    g_frames(20);
    owner->removeFromParent();

    auto* list = CCScrollViewEx::create(Size(200, 300), Size(200, 300), Direction::VERTICAL);
    list->setPosition(500, 100);
    scene->addChild(list);
    list->InitCellCount(10, 40, true);
    list->SetScrollTop();
    g_say(Format("list: 10 rows of 40 in a 200 x 300 view, content %.0f high, first row at y = %.0f",
                 list->getContentSize().height, list->GetCellLayer(0)->getPositionY()));
    CSpriteButton* join = CSpriteButton::create("LayerCommon/bt_alert0.png", 5, CSpriteButton::BUTTON_STRIP);
    join->setName("join (row 0)");
    join->setPosition(100, 20);
    join->SetSwallowTouches(false);
    join->SetSelectorEnded(game, CC_CALLFUNCN_SELECTOR(Game::Clicked));
    list->GetCellLayer(0)->addChild(join);
    const Vec2 onJoin = join->convertToWorldSpace(Vec2(60, 20));
    g_say("drag the list up by 60 points, starting on the join button");
    pointer.Drag(onJoin, onJoin + Vec2(0, 60), 8);
    g_say(std::string("join: ") + (join->GetButtonStatus() == CSpriteButton::BUTTON_NORMAL ? "normal" : "pressed")
          + ", not clicked; list dragged: " + (CSpriteButton::m_bScroll ? "yes" : "no"));
    g_frames(120);
    g_say(std::string("list at rest; dragged: ") + (CSpriteButton::m_bScroll ? "yes" : "no"));
    list->SetScrollTop();
    g_say("click on join");
    pointer.Click(join->convertToWorldSpace(Vec2(60, 20)));
    list->removeFromParent();
}

void Alert(Scene* scene, Game* game, Pointer& pointer)
{
    std::printf("-- alert box (desktop layout)\n");
    CSpriteButton* below = CSpriteButton::create("LayerCommon/bt_alert1.png", 5, CSpriteButton::BUTTON_STRIP);
    below->setName("menu button below");
    below->setPosition(100, 600);
    below->SetSelectorEnded(game, CC_CALLFUNCN_SELECTOR(Game::Clicked));
    scene->addChild(below);

    CSpriteAlert* alert = CSpriteAlert::createPC("Leave the table? The hand in progress is lost.",
                                                 CSpriteAlert::ALERT_SURE_CANCEL);
    alert->SetSelectorEnded(game, CC_CALLFUNCN_SELECTOR(Game::Answered));
    alert->SetAlertType(3);
    scene->addChild(alert, 10);
    const Size panel = alert->GetPanel()->getContentSize();
    CSpriteButton* sure = alert->GetButtons().at(0);
    CSpriteButton* cancel = alert->GetButtons().at(1);
    g_say(Format("panel %.0f x %.0f, message wrapped at %.0f points", panel.width, panel.height,
                 alert->GetMessage()->getContentSize().width));
    g_say(Format("confirm at x = %.0f, cancel at x = %.0f (panel space, y = 20)", sure->getPositionX(),
                 cancel->getPositionX()));
    pointer.Move(Vec2(100, 600));
    pointer.Click(Vec2(100, 600));
    g_say(std::string("pointer and click on the menu button below: ")
          + (below->GetButtonStatus() == CSpriteButton::BUTTON_NORMAL ? "no hover, " : "hover, ") + "no click");
    const Vec2 onCancel = cancel->convertToWorldSpace(Vec2(60, 20));
    pointer.Move(onCancel);
    g_say(std::string("pointer over cancel: ")
          + (cancel->GetButtonStatus() == CSpriteButton::BUTTON_HOVER ? "hover" : "no hover"));
    g_snap("widgets-alert.png");
    pointer.Click(onCancel);
    g_frames(1);
    pointer.Click(Vec2(100, 600));
    below->removeFromParent();
}

void EditBox(Scene* scene)
{
    std::printf("-- edit box (typed through the window's characters and keys)\n");
    CSpriteEditBox* box = CSpriteEditBox::create();
    box->setContentSize(Size(300, 50));
    box->setPosition(330, 300);
    box->setPlaceHolder("your name");
    scene->addChild(box);
    auto show = [box](const std::string& what) {
        g_say(what + " -> \"" + box->GetText() + "\" (" + std::to_string(box->GetTextLength()) + " bytes, caret at "
              + std::to_string(box->GetCursorOffset()) + ")");
    };
    g_say("empty box shows \"" + box->GetDisplayLabel()->getString() + "\" greyed");
    GLView* view = Director::getInstance()->getOpenGLView();
    Pointer(view).Click(Vec2(340, 325));
    g_say(std::string("clicked: input method ") + (box->IsIMEOpen() ? "open" : "closed"));
    // The window's characters and keys; the last character is one of 3 bytes in UTF-8.
    for (unsigned int character : {U'L', U'i', U'\u674e'})
        view->handleChar(character);
    show("typed L, i, \xe6\x9d\x8e");
    g_snap("widgets-editbox.png");
    view->handleKey(EventKeyboard::KeyCode::KEY_BACKSPACE, true);
    view->handleKey(EventKeyboard::KeyCode::KEY_BACKSPACE, false);
    show("backspace");
    box->setMaxLength(4);
    view->handleChar(U'\u674e');
    show("limit 4 bytes, typed \xe6\x9d\x8e again: refused");
    box->removeFromParent();
}

void Lock(Scene* scene, Pointer& pointer)
{
    std::printf("-- lock layer\n");
    CSpriteButton* below = CSpriteButton::create("LayerCommon/bt_alert0.png", 5, CSpriteButton::BUTTON_STRIP);
    below->setPosition(100, 600);
    scene->addChild(below);
    CSpriteLock* lock = CSpriteLock::create("Connecting to the server...");
    scene->addChild(lock, 10);
    pointer.Move(Vec2(100, 600));
    pointer.Click(Vec2(100, 600));
    g_say(std::string("button below the lock: ")
          + (below->GetButtonStatus() == CSpriteButton::BUTTON_NORMAL ? "no hover, no press" : "reacted"));
    for (int second = 1; second <= 61; ++second) {
        g_frames(60);
        if (second == 1)
            g_snap("widgets-lock.png");
        if (second % 20 == 0 || second >= 60)
            g_say(Format("lock shown %.1f s, time-out: ", lock->GetLockTime()) +
                  (lock->GetIsRemoveTime() ? "yes -> the game removes it" : "no"));
        if (lock->GetIsRemoveTime())
            break;
    }
    lock->removeFromParent();
    below->removeFromParent();
}

} // namespace

void ListsAndDialogs(Scene* scene, DemoSay say, DemoFrames frames, DemoSnap snap)
{
    g_say = say;
    g_frames = frames;
    g_snap = snap;
    CAutoScreen::SetSceneSize(Director::getInstance()->getWinSize());
    Pointer pointer(Director::getInstance()->getOpenGLView());
    Game* game = new Game();
    Lists(scene, game, pointer);
    Alert(scene, game, pointer);
    EditBox(scene);
    Lock(scene, pointer);
    game->release();
}
