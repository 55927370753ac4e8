// The scroll view, the nine-slice sprite, the slider and the edit box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/CCIMEDispatcher.h"
#include "cocos2d.h"
#include "extensions/cocos-ext.h"
#include "media_fixture.h"
#include "ui/UIEditBox/UIEditBox.h"
#include "ui/UIScale9Sprite.h"

USING_NS_CC;
USING_NS_CC_EXT;

namespace {

class MediaUi : public MediaTest
{
protected:
    // Window coordinates have y going down from the top of the 640-high window.
    void touch(int phase, float x, float y)
    {
        intptr_t id = 1;
        float xs[] = {x};
        float ys[] = {640 - y};
        if (phase == 0) view->handleTouchesBegin(1, &id, xs, ys);
        else if (phase == 1) view->handleTouchesMove(1, &id, xs, ys);
        else view->handleTouchesEnd(1, &id, xs, ys);
    }

    // A running 200 x 300 view onto a 900-high list that scrolls vertically,
    // at the given vertical offset.
    ScrollView* verticalList(float offsetY)
    {
        ScrollView* list = ScrollView::create(Size(200, 300));
        if (!list) return nullptr;
        list->setContentSize(Size(200, 900));
        list->setDirection(ScrollView::Direction::VERTICAL);
        list->setContentOffset(Vec2(0, offsetY));
        scene->addChild(list);
        return list;
    }
};

class ScrollRecorder : public ScrollViewDelegate
{
public:
    void scrollViewDidScroll(ScrollView*) override { events.push_back("scroll"); }
    void scrollViewEndedScroll(ScrollView*) override { events.push_back("ended"); }
    void scrollViewDidZoom(ScrollView*) override { events.push_back("zoom"); }
    std::vector<std::string> events;
};

TEST_F(MediaUi, ScrollViewAnimatesItsContentOffset)
{
    ScrollView* view = ScrollView::create(Size(200, 300));
    ASSERT_NE(nullptr, view);
    EXPECT_EQ(ScrollView::Direction::BOTH, view->getDirection());
    EXPECT_EQ(-1, static_cast<int>(ScrollView::Direction::NONE));
    view->setContentSize(Size(600, 300));
    EXPECT_SAME(Size(600, 300), view->getContentSize());
    EXPECT_SAME(Size(200, 300), view->getViewSize());
    EXPECT_EQ(Vec2(-400, 0), view->minContainerOffset());
    scene->addChild(view);
    ScrollRecorder recorder;
    view->setDelegate(&recorder);

    view->setContentOffset(Vec2(-50, 0));
    EXPECT_EQ(Vec2(-50, 0), view->getContentOffset());
    EXPECT_EQ(std::vector<std::string>{"scroll"}, recorder.events);
    recorder.events.clear();

    view->setContentOffset(Vec2(-200, 0), true);
    frames(1, 0.075f); // the frame the animation starts in
    EXPECT_EQ(Vec2(-50, 0), view->getContentOffset());
    frames(1, 0.075f);
    EXPECT_NEAR(-125, view->getContentOffset().x, 0.01f); // half way after half the 0.15 s
    frames(1, 0.075f);
    EXPECT_EQ(Vec2(-200, 0), view->getContentOffset());
    ASSERT_GE(recorder.events.size(), 2u);
    EXPECT_EQ("ended", recorder.events.back());
    EXPECT_EQ("scroll", recorder.events[recorder.events.size() - 2]);

    view->setBounceable(false);
    view->setContentOffset(Vec2(-1000, 50));
    EXPECT_EQ(Vec2(-400, 0), view->getContentOffset()); // held inside without bounce
    view->setDelegate(nullptr);
}

TEST_F(MediaUi, DraggingMovesTheContentAndAFlickDecelerates)
{
    ScrollView* view = ScrollView::create(Size(200, 300));
    ASSERT_NE(nullptr, view);
    view->setContentSize(Size(200, 900));
    view->setDirection(ScrollView::Direction::VERTICAL);
    view->setPosition(100, 100);
    view->setContentOffset(view->minContainerOffset());
    scene->addChild(view);
    Node* cell = Node::create();
    view->addChild(cell);
    EXPECT_EQ(view->getContainer(), cell->getParent()); // children go into the container

    float start = view->getContentOffset().y;
    touch(0, 200, 200);
    EXPECT_TRUE(view->isDragging());
    touch(1, 200, 204); // under the drag threshold (4.2 points)
    EXPECT_FLOAT_EQ(start, view->getContentOffset().y);
    touch(1, 200, 220);
    touch(1, 200, 260);
    EXPECT_FLOAT_EQ(start + 40, view->getContentOffset().y);
    EXPECT_FLOAT_EQ(view->getContentOffset().x, 0); // vertical only
    touch(2, 200, 260);
    EXPECT_FALSE(view->isDragging());

    float released = view->getContentOffset().y;
    frames(2, 1.0f / 60);
    float afterOne = view->getContentOffset().y;
    EXPECT_GT(afterOne, released); // keeps moving
    frames(200, 1.0f / 60);
    float settled = view->getContentOffset().y;
    frames(5, 1.0f / 60);
    EXPECT_FLOAT_EQ(settled, view->getContentOffset().y);
    EXPECT_LE(settled, view->maxContainerOffset().y);

    // a touch outside the view is not taken
    touch(0, 10, 10);
    EXPECT_FALSE(view->isDragging());
    touch(2, 10, 10);
}

TEST_F(MediaUi, NineSliceKeepsCornersAndStretchesTheCentre)
{
    put("panel.png", media_test::solidPng(40, 20, media_test::PNG_RGBA));
    ui::Scale9Sprite* s9 = ui::Scale9Sprite::create(Rect(20, 10, 1, 1), "panel.png");
    ASSERT_NE(nullptr, s9);
    EXPECT_SAME(Size(40, 20), s9->getOriginalSize());
    EXPECT_SAME(Rect(20, 10, 1, 1), s9->getCapInsets());
    EXPECT_FLOAT_EQ(20, s9->getInsetLeft());
    EXPECT_FLOAT_EQ(19, s9->getInsetRight());

    s9->setPreferredSize(Size(200, 20));
    EXPECT_SAME(Size(200, 20), s9->getPreferredSize());
    EXPECT_SAME(Size(200, 20), s9->getContentSize());
    const std::vector<V3F_C4B_T2F_Quad>& q = s9->getSliceQuads();
    ASSERT_EQ(9u, q.size());
    // bottom row: left cap 20 wide, centre 161, right cap 19
    EXPECT_FLOAT_EQ(20, q[0].br.vertices.x - q[0].bl.vertices.x);
    EXPECT_FLOAT_EQ(161, q[1].br.vertices.x - q[1].bl.vertices.x);
    EXPECT_FLOAT_EQ(19, q[2].br.vertices.x - q[2].bl.vertices.x);
    EXPECT_FLOAT_EQ(200, q[8].tr.vertices.x);
    EXPECT_FLOAT_EQ(20, q[8].tr.vertices.y);
    // the centre column shows one texel column
    EXPECT_NEAR(1.0f / 40, q[4].br.texCoords.u - q[4].bl.texCoords.u, 1e-6);

    ui::Scale9Sprite* whole = ui::Scale9Sprite::create("panel.png");
    ASSERT_NE(nullptr, whole);
    EXPECT_SAME(Size(40, 20), whole->getContentSize());
    whole->setContentSize(Size(20, 10)); // smaller than both caps: they shrink
    EXPECT_FLOAT_EQ(20, whole->getSliceQuads()[2].br.vertices.x);

    ui::Scale9Sprite* part = ui::Scale9Sprite::create("panel.png", Rect(0, 0, 20, 20));
    ASSERT_NE(nullptr, part);
    EXPECT_SAME(Size(20, 20), part->getOriginalSize());
    EXPECT_EQ(nullptr, ui::Scale9Sprite::create("missing.png"));
    EXPECT_NE(nullptr, ui::Scale9Sprite::create());
}

class SliderTarget : public Ref
{
public:
    void changed(Ref* sender, Control::EventType type)
    {
        values.push_back(static_cast<ControlSlider*>(sender)->getValue());
        EXPECT_EQ(Control::EventType::VALUE_CHANGED, type);
    }
    std::vector<float> values;
};

TEST_F(MediaUi, SliderClampsItsValueAndReportsChanges)
{
    put("track.png", media_test::solidPng(100, 10, media_test::PNG_RGBA));
    put("knob.png", media_test::solidPng(10, 10, media_test::PNG_RGBA));
    ControlSlider* slider = ControlSlider::create("track.png", "track.png", "knob.png");
    ASSERT_NE(nullptr, slider);
    EXPECT_FLOAT_EQ(0, slider->getMinimumValue());
    EXPECT_FLOAT_EQ(1, slider->getMaximumValue());
    SliderTarget target;
    slider->addTargetWithActionForControlEvents(&target, cccontrol_selector(SliderTarget::changed),
                                                Control::EventType::VALUE_CHANGED);
    slider->setValue(0.5f);
    slider->setValue(7);
    slider->setValue(-3);
    EXPECT_EQ((std::vector<float>{0.5f, 1.0f, 0.0f}), target.values);
    EXPECT_FLOAT_EQ(0, slider->getThumbSprite()->getPositionX());

    slider->setMaximumValue(10);
    slider->setValue(5);
    EXPECT_FLOAT_EQ(50, slider->getThumbSprite()->getPositionX()); // half the 100-point track
    EXPECT_FLOAT_EQ(50, slider->getProgressSprite()->getContentSize().width);

    // dragging: the allowed range holds the value in
    slider->setAnchorPoint(Vec2::ZERO);
    slider->setPosition(100, 100);
    scene->addChild(slider);
    slider->setMaximumAllowedValue(8);
    touch(0, 105, 105);
    touch(1, 190, 105); // 90 % of the track = 9, above the allowed 8
    touch(2, 190, 105);
    EXPECT_FLOAT_EQ(8, slider->getValue());

    slider->setMinimumValue(20); // above the maximum: the maximum moves up
    EXPECT_FLOAT_EQ(21, slider->getMaximumValue());
    EXPECT_FLOAT_EQ(20, slider->getValue());
    slider->removeTargetWithActionForControlEvent(&target, cccontrol_selector(SliderTarget::changed),
                                                  Control::EventType::VALUE_CHANGED);
    size_t count = target.values.size();
    slider->setValue(20.5f);
    EXPECT_EQ(count, target.values.size());
}

class EditRecorder : public ui::EditBoxDelegate
{
public:
    void editBoxEditingDidBegin(ui::EditBox*) override { events.push_back("begin"); }
    void editBoxTextChanged(ui::EditBox*, const std::string& text) override { events.push_back("text:" + text); }
    void editBoxReturn(ui::EditBox*) override { events.push_back("return"); }
    void editBoxEditingDidEndWithAction(ui::EditBox*, EditBoxEndAction) override { events.push_back("end"); }
    std::vector<std::string> events;
};

TEST_F(MediaUi, EditBoxTypesThroughTheInputMethod)
{
    EXPECT_EQ(0, static_cast<int>(ui::EditBox::InputFlag::PASSWORD));
    EXPECT_EQ(4, static_cast<int>(ui::EditBox::InputFlag::INITIAL_CAPS_ALL_CHARACTERS));
    EXPECT_EQ(1, static_cast<int>(ui::EditBox::KeyboardReturnType::DONE));
    EXPECT_EQ(6, static_cast<int>(ui::EditBox::InputMode::SINGLE_LINE));

    put("field.png", media_test::solidPng(30, 30, media_test::PNG_RGBA));
    ui::EditBox* box = ui::EditBox::create(Size(200, 40), "field.png");
    ASSERT_NE(nullptr, box);
    box->setPosition(300, 300); // centred: covers 200..400 x 280..320
    scene->addChild(box);
    EditRecorder recorder;
    box->setDelegate(&recorder);
    box->setPlaceHolder("name");
    EXPECT_EQ("name", box->getDisplayedText());
    box->setMaxLength(4);

    touch(0, 250, 300);
    touch(2, 250, 300);
    ASSERT_TRUE(box->isEditing());
    IMEDispatcher* ime = IMEDispatcher::sharedDispatcher();
    ime->dispatchInsertText("ab", 2);
    ime->dispatchInsertText("\xE4\xB8\xAD\xE6\x96\x87xyz", 9); // cut at four characters
    EXPECT_STREQ("ab\xE4\xB8\xAD\xE6\x96\x87", box->getText());
    ime->dispatchDeleteBackward();
    EXPECT_STREQ("ab\xE4\xB8\xAD", box->getText());
    box->setInputFlag(ui::EditBox::InputFlag::PASSWORD);
    EXPECT_EQ("***", box->getDisplayedText());
    ime->dispatchInsertText("\n", 1);
    EXPECT_FALSE(box->isEditing());

    std::vector<std::string> expected = {"begin", "text:ab", "text:ab\xE4\xB8\xAD\xE6\x96\x87",
                                         "text:ab\xE4\xB8\xAD", "return", "end"};
    EXPECT_EQ(expected, recorder.events);

    box->setText("hello world"); // longer than the limit
    EXPECT_STREQ("hell", box->getText());
    box->setDelegate(nullptr);
}

class OrderTarget : public Ref
{
public:
    void first(Ref*, Control::EventType type) { calls.push_back("first:" + std::to_string(static_cast<int>(type))); }
    void second(Ref*, Control::EventType type) { calls.push_back("second:" + std::to_string(static_cast<int>(type))); }
    std::vector<std::string> calls;
};

TEST_F(MediaUi, ControlEventsReachTheirTargetsInOrder)
{
    Control* control = Control::create();
    ASSERT_NE(nullptr, control);
    OrderTarget target;
    control->addTargetWithActionForControlEvents(&target, cccontrol_selector(OrderTarget::first),
                                                 Control::EventType::TOUCH_DOWN | Control::EventType::VALUE_CHANGED);
    control->addTargetWithActionForControlEvents(&target, cccontrol_selector(OrderTarget::second),
                                                 Control::EventType::VALUE_CHANGED);
    control->sendActionsForControlEvents(Control::EventType::VALUE_CHANGED);
    control->sendActionsForControlEvents(Control::EventType::TOUCH_DOWN);
    control->sendActionsForControlEvents(Control::EventType::TOUCH_UP_INSIDE); // nobody listens
    EXPECT_EQ((std::vector<std::string>{"first:256", "second:256", "first:1"}), target.calls);

    control->removeTargetWithActionForControlEvent(nullptr, nullptr, Control::EventType::VALUE_CHANGED);
    target.calls.clear();
    control->sendActionsForControlEvents(Control::EventType::VALUE_CHANGED | Control::EventType::TOUCH_DOWN);
    EXPECT_EQ(std::vector<std::string>{"first:1"}, target.calls);

    EXPECT_TRUE(control->isEnabled());
    control->setEnabled(false);
    EXPECT_EQ(Control::State::DISABLED, control->getState());
}

TEST_F(MediaUi, ZoomKeepsTheViewCentreInPlace)
{
    ScrollView* view = ScrollView::create(Size(200, 200));
    ASSERT_NE(nullptr, view);
    view->setContentSize(Size(400, 400));
    view->setMinScale(0.5f);
    view->setMaxScale(2.0f);
    ScrollRecorder recorder;
    view->setDelegate(&recorder);
    scene->addChild(view);
    view->setZoomScale(2.0f);
    EXPECT_FLOAT_EQ(2.0f, view->getZoomScale());
    EXPECT_EQ(Vec2(-100, -100), view->getContentOffset()); // (100, 100) of the content stays mid-view
    view->setZoomScale(5.0f); // held to the maximum
    EXPECT_FLOAT_EQ(2.0f, view->getZoomScale());
    ASSERT_FALSE(recorder.events.empty());
    EXPECT_EQ("zoom", recorder.events.front());
    view->setDelegate(nullptr);
}

TEST_F(MediaUi, EditBoxShowsPlaceholderUntilTextAndMasksPasswords)
{
    put("field.png", media_test::solidPng(30, 30, media_test::PNG_RGBA));
    ui::EditBox* box = ui::EditBox::create(Size(200, 40), "field.png");
    ASSERT_NE(nullptr, box);
    box->setPlaceHolder("password");
    box->setPlaceholderFontColor(Color3B::RED);
    EXPECT_EQ(Color4B::RED, box->getPlaceholderFontColor());
    box->setInputFlag(ui::EditBox::InputFlag::PASSWORD);
    EXPECT_EQ("password", box->getDisplayedText());
    box->setText("s\xE4\xB8\xADx");
    EXPECT_EQ("***", box->getDisplayedText()); // one mark per character
    box->setInputFlag(ui::EditBox::InputFlag::SENSITIVE);
    EXPECT_EQ("s\xE4\xB8\xADx", box->getDisplayedText());
    box->setText("");
    EXPECT_EQ("password", box->getDisplayedText());
    box->setFont("Courier", 30);
    EXPECT_STREQ("Courier", box->getFontName());
    EXPECT_EQ(30, box->getFontSize());
    ui::EditBox* bare = ui::EditBox::create(Size(10, 10), "missing.png"); // no background, still a box
    ASSERT_NE(nullptr, bare);
    bare->setText("ok");
    EXPECT_STREQ("ok", bare->getText());
}

TEST_F(MediaUi, NineSliceInsetsCanBeSetOneByOne)
{
    put("box.png", media_test::solidPng(30, 30, media_test::PNG_RGBA));
    ui::Scale9Sprite* s9 = ui::Scale9Sprite::create("box.png");
    ASSERT_NE(nullptr, s9);
    EXPECT_SAME(Rect(10, 10, 10, 10), s9->getCapInsets()); // the centre third by default
    EXPECT_FLOAT_EQ(10, s9->getInsetLeft());
    s9->setInsetLeft(4);
    s9->setInsetRight(6);
    EXPECT_SAME(Rect(4, 10, 20, 10), s9->getCapInsets());
    s9->setContentSize(Size(100, 30));
    const std::vector<V3F_C4B_T2F_Quad>& q = s9->getSliceQuads();
    ASSERT_EQ(9u, q.size());
    EXPECT_FLOAT_EQ(4, q[3].br.vertices.x - q[3].bl.vertices.x);
    EXPECT_FLOAT_EQ(6, q[5].br.vertices.x - q[5].bl.vertices.x);

    s9->setColor(Color3B(0, 255, 0));
    EXPECT_EQ(0, s9->getSliceQuads()[4].tl.colors.r);
    EXPECT_EQ(255, s9->getSliceQuads()[4].tl.colors.g);

    s9->setState(ui::Scale9Sprite::State::GRAY);
    EXPECT_EQ(ui::Scale9Sprite::State::GRAY, s9->getState());
    EXPECT_EQ(GLProgramState::getOrCreateWithGLProgramName(GLProgram::SHADER_NAME_POSITION_GRAYSCALE),
              s9->getGLProgramState());
    s9->setScale9Enabled(false);
    EXPECT_TRUE(s9->getSliceQuads().empty());
    EXPECT_SAME(Size(100, 30), s9->getContentSize()); // the size stays
}

TEST_F(MediaUi, NineSliceInsetsOutsideTheImageAreCutBack)
{
    put("box.png", media_test::solidPng(30, 30, media_test::PNG_RGBA));
    ui::Scale9Sprite* s9 = ui::Scale9Sprite::create(Rect(5, 6, 20, 18), "box.png");
    ASSERT_NE(nullptr, s9);
    EXPECT_SAME(Size(30, 30), s9->getContentSize()); // the image's size, insets or not
    EXPECT_SAME(Rect(5, 6, 20, 18), s9->getCapInsets());

    // An origin past the image becomes 0, a size past it 1.
    s9->setCapInsets(Rect(40, 5, 50, 8));
    EXPECT_SAME(Rect(0, 5, 1, 8), s9->getCapInsets());
    EXPECT_FLOAT_EQ(29, s9->getInsetRight());
    s9->setCapInsets(Rect(3, 31, 4, 99));
    EXPECT_SAME(Rect(3, 0, 4, 1), s9->getCapInsets());

    // Zero insets read back as the thirds.
    s9->setCapInsets(Rect::ZERO);
    EXPECT_SAME(Rect(10, 10, 10, 10), s9->getCapInsets());

    // Insets that reach past the far edge still slice inside the image.
    s9->setCapInsets(Rect(25, 25, 20, 20));
    s9->setContentSize(Size(60, 60));
    for (const V3F_C4B_T2F_Quad& q : s9->getSliceQuads())
    {
        EXPECT_GE(q.bl.texCoords.u, 0.0f);
        EXPECT_LE(q.tr.texCoords.u, 1.0f);
        EXPECT_GE(q.tr.vertices.x, q.bl.vertices.x);
    }
}

TEST_F(MediaUi, SliderTouchesStayInTheAllowedRange)
{
    put("track.png", media_test::solidPng(100, 10, media_test::PNG_RGBA));
    put("knob.png", media_test::solidPng(10, 10, media_test::PNG_RGBA));
    ControlSlider* slider = ControlSlider::create("track.png", "track.png", "knob.png");
    ASSERT_NE(nullptr, slider);
    slider->setAnchorPoint(Vec2::ZERO);
    slider->setPosition(100, 100);
    scene->addChild(slider);

    // The allowed range starts as [0, 0]: a touch anywhere means 0 ...
    EXPECT_FLOAT_EQ(0, slider->getMinimumAllowedValue());
    EXPECT_FLOAT_EQ(0, slider->getMaximumAllowedValue());
    touch(0, 150, 105);
    touch(1, 190, 105);
    touch(2, 190, 105);
    EXPECT_FLOAT_EQ(0, slider->getValue());
    slider->setValue(0.5f); // while setValue still takes the whole range
    EXPECT_FLOAT_EQ(0.5f, slider->getValue());

    // ... until the range is set, which sets the allowed range with it.
    slider->setMinimumValue(0);
    slider->setMaximumValue(10);
    EXPECT_FLOAT_EQ(10, slider->getMaximumAllowedValue());
    touch(0, 150, 105);
    touch(1, 190, 105); // 90 % of the track
    touch(2, 190, 105);
    EXPECT_FLOAT_EQ(9, slider->getValue());
}

TEST_F(MediaUi, ScrollViewChildrenKeepTheirAnchors)
{
    ScrollView* view = ScrollView::create(Size(200, 300));
    ASSERT_NE(nullptr, view);
    Node* centred = Node::create();
    centred->setAnchorPoint(Vec2::ANCHOR_MIDDLE);
    centred->setContentSize(Size(40, 20));
    centred->setPosition(100, 50);
    Node* cornered = Node::create();
    cornered->setIgnoreAnchorPointForPosition(true);
    view->addChild(centred);
    view->addChild(cornered, 1, "cornered");
    EXPECT_EQ(view->getContainer(), centred->getParent());
    EXPECT_EQ(Vec2::ANCHOR_MIDDLE, centred->getAnchorPoint());
    EXPECT_TRUE(cornered->isIgnoreAnchorPointForPosition());
    // A centre-anchored child's box stays around its position.
    EXPECT_SAME(Rect(80, 40, 40, 20), centred->getBoundingBox());
}

TEST_F(MediaUi, ScrollViewRemoveAllChildrenTakesTheContainerAway)
{
    ScrollView* view = ScrollView::create(Size(200, 300));
    ASSERT_NE(nullptr, view);
    scene->addChild(view);
    Node* container = view->getContainer();
    view->addChild(Node::create());
    view->addChild(Node::create());

    // Clearing a list goes through the container.
    container->removeAllChildren();
    EXPECT_EQ(0, container->getChildrenCount());
    EXPECT_EQ(view, container->getParent());

    // The view's own removeAllChildren also removes the container; the view
    // still holds it, so it stays safe to use (it is just not shown).
    view->addChild(Node::create());
    view->removeAllChildren();
    EXPECT_EQ(0, view->getChildrenCount());
    EXPECT_EQ(nullptr, container->getParent());
    EXPECT_EQ(0, container->getChildrenCount());
    EXPECT_EQ(container, view->getContainer());
    view->setContentOffset(Vec2(-10, 0));
    frames(1, 1.0f / 60);

    // A new container is shown again.
    Node* fresh = Layer::create();
    view->setContainer(fresh);
    EXPECT_EQ(view, fresh->getParent());
    EXPECT_EQ(1, view->getChildrenCount());
}

TEST_F(MediaUi, ScrollViewDragStartsAfterSevenHundredSixtiethsOfAnInch)
{
    ScrollView* view = verticalList(-300);
    ASSERT_NE(nullptr, view);

    // 7/160 inch at 96 dpi is 4.2 points at a view scale of 1.
    touch(0, 100, 100);
    touch(1, 100, 104);
    EXPECT_FALSE(view->isTouchMoved());
    touch(1, 100, 104.5f);
    EXPECT_TRUE(view->isTouchMoved());
    touch(2, 100, 104.5f);

    // At a view scale of 2 a point is two pixels: 2.1 points start a drag.
    this->view->setFrameSize(1920, 1280);
    this->view->setDesignResolutionSize(960, 640, ResolutionPolicy::SHOW_ALL);
    intptr_t id = 2;
    float x = 200, y = 1280 - 200;
    this->view->handleTouchesBegin(1, &id, &x, &y);
    y -= 4; // 2 points
    this->view->handleTouchesMove(1, &id, &x, &y);
    EXPECT_FALSE(view->isTouchMoved());
    y -= 1; // 2.5 points
    this->view->handleTouchesMove(1, &id, &x, &y);
    EXPECT_TRUE(view->isTouchMoved());
    this->view->handleTouchesEnd(1, &id, &x, &y);
}

TEST_F(MediaUi, ScrollViewContentFollowsAtAThirdPastItsEdges)
{
    ScrollView* view = verticalList(-300);
    ASSERT_NE(nullptr, view);

    touch(0, 100, 100);
    touch(1, 100, 110); // starts the drag
    touch(1, 100, 150); // inside the edges: 1:1
    EXPECT_FLOAT_EQ(-260, view->getContentOffset().y);
    touch(1, 100, 400);
    EXPECT_FLOAT_EQ(-10, view->getContentOffset().y);
    touch(1, 100, 440); // would pass the top edge (0): at 0.35 of the move
    EXPECT_FLOAT_EQ(-10 + 40 * 0.35f, view->getContentOffset().y);
    touch(1, 100, 480);
    EXPECT_FLOAT_EQ(-10 + 80 * 0.35f, view->getContentOffset().y);
    touch(2, 100, 480);
}

// Notes what the view says of the drag each time it scrolls.
class DragWatcher : public ScrollViewDelegate
{
public:
    void scrollViewDidScroll(ScrollView* view) override { dragging.push_back(view->isDragging()); }
    std::vector<bool> dragging;
};

TEST_F(MediaUi, ScrollViewIsDraggingWhileTheFingerIsDownOnly)
{
    ScrollView* view = verticalList(-600);
    ASSERT_NE(nullptr, view);
    DragWatcher watcher;
    view->setDelegate(&watcher);

    touch(0, 100, 100);
    touch(1, 100, 110);
    touch(1, 100, 140);
    touch(1, 100, 180);
    ASSERT_FALSE(watcher.dragging.empty());
    for (bool dragging : watcher.dragging) EXPECT_TRUE(dragging);
    touch(2, 100, 180);

    // The fling that follows scrolls with the finger gone.
    watcher.dragging.clear();
    frames(30, 1.0f / 60);
    ASSERT_FALSE(watcher.dragging.empty());
    for (bool dragging : watcher.dragging) EXPECT_FALSE(dragging);
    view->setDelegate(nullptr);
}

TEST_F(MediaUi, NineSliceInsetsSetOneByOneAreCutBackToo)
{
    put("box.png", media_test::solidPng(30, 30, media_test::PNG_RGBA));
    ui::Scale9Sprite* s9 = ui::Scale9Sprite::create(Rect(5, 5, 20, 20), "box.png");
    ASSERT_NE(nullptr, s9);
    s9->setInsetTop(2);
    EXPECT_SAME(Rect(5, 2, 20, 23), s9->getCapInsets());
    s9->setInsetLeft(40); // an origin past the image goes back to 0
    EXPECT_FLOAT_EQ(0, s9->getCapInsets().origin.x);
    EXPECT_FLOAT_EQ(0, s9->getInsetLeft());
    // Whatever the edges say, the slices stay inside the image.
    s9->setContentSize(Size(90, 90));
    ASSERT_EQ(9u, s9->getSliceQuads().size());
    for (const V3F_C4B_T2F_Quad& q : s9->getSliceQuads())
    {
        EXPECT_GE(q.br.vertices.x, q.bl.vertices.x);
        EXPECT_GE(q.bl.texCoords.u, 0.0f);
        EXPECT_LE(q.br.texCoords.u, 1.0f);
    }
}

} // namespace
