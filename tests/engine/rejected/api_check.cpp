// Code against the engine's headers, compiled twice by the api check test.
// With ACCEPTED: what code written for the engine may do; it must compile.
// Without: each line marked "refused" uses what the engine does not offer
// (as the engine it stands in for does not), and the compiler must report an
// error on exactly that line.
#include "cocos2d.h"
#include "extensions/cocos-ext.h"
#include "2d/CCClippingNode.h"
#include "2d/CCTextFieldTTF.h"
#include "base/CCIMEDispatcher.h"

USING_NS_CC;
USING_NS_CC_EXT;

#if defined(ACCEPTED)
// Virtual where a game may override it.
struct Slider : ControlSlider
{
    float getValue() const override { return 0; }
    float getMinimumValue() const override { return 0; }
    float getMaximumValue() const override { return 1; }
    void setMinimumAllowedValue(float) override {}
    void setMaximumAllowedValue(float) override {}
    Control::State getState() const override { return Control::State::NORMAL; }
};
struct Field : TextFieldTTF
{
    void setColorSpaceHolder(const Color3B&) override {}
    void setColorSpaceHolder(const Color4B&) override {}
    const Color4B& getColorSpaceHolder() override { return Color4B::WHITE; }
    void appendString(const std::string&) override {}
};
struct Files : FileUtils
{
    void setPopupNotify(bool) override {}
    std::string getPathForFilename(const std::string&, const std::string&, const std::string&) const override
    {
        return std::string();
    }
};
struct Transformed : Node
{
    Mat4 getNodeToParentTransform(Node*) const override { return Mat4::IDENTITY; }
};
void accepted(Texture2D* texture, ClippingNode* clip, EventMouse* mouse, Sprite* sprite)
{
    std::set<void*> paused = Director::getInstance()->getScheduler()->pauseAllTargets();
    Director::getInstance()->getScheduler()->resumeTargets(paused);
    unsigned char pixel[4] = {};
    texture->initWithData(pixel, 4, Texture2D::PixelFormat::RGBA8888, 1, 1, Size(1, 1));
    clip->setStencil(ClippingNode::create(Node::create())->getStencil());
    clip->setAlphaThreshold(clip->getAlphaThreshold());
    clip->setInverted(!clip->isInverted());
    float x = mouse->getCursorX() + mouse->getCursorY();
    (void)x;
    sprite->removeChild(Node::create(), true);
    bool same = Size(1, 2).equals(Size(1, 2)) && Rect(0, 0, 1, 1).equals(Rect::ZERO) && Vec2(1, 1) == Vec2::ONE;
    (void)same;
}
#else
bool refused1(const Size& a, const Size& b) { return a == b; } // refused: size_equals
bool refused2(const Rect& a, const Rect& b) { return a != b; } // refused: rect_equals
bool refused3(const Mat4& a, const Mat4& b) { return a == b; } // refused: mat4_equals
void refused4(Sprite* sprite, Node* child) { sprite->removeChild(child); } // refused: sprite_remove_child_default
bool refused5(ScrollView* view) { return view->isSwallowTouches(); } // refused: scrollview_is_swallow_touches
bool refused6(TextFieldTTF* field) { return field->isAttachWithIME(); } // refused: textfield_is_attach_with_ime
void refused7(TextFieldTTF* field) { field->setCursorPosition(0); } // refused: textfield_set_cursor_position
void refused8(TextFieldTTF* field) { field->setCursorFromPoint(Vec2::ZERO, nullptr); } // refused: textfield_set_cursor_from_point
Sprite* refused9(Label* label) { return label->getTextSprite(); } // refused: label_get_text_sprite
unsigned refused10(Node* node) { return node->getOrderOfArrival(); } // refused: node_order_of_arrival
void refused11(EventMouse* mouse) { (void)mouse->getMouseEventType(); } // refused: eventmouse_get_type
bool refused12() { return IMEDispatcher::sharedDispatcher()->isKeyboardShown(); } // refused: ime_is_keyboard_shown
bool refused13(Sprite* sprite) { return sprite->isInsideBounds(); } // refused: sprite_is_inside_bounds
int refused14(AtlasNode* atlas) { return atlas->getItemWidth(); } // refused: atlas_get_item_width
std::vector<void*> refused15() { return Director::getInstance()->getScheduler()->pauseAllTargets(); } // refused: pause_all_targets_vector
bool refused16(Texture2D* t, const void* p) { return t->initWithData(p, 4, Texture2D::PixelFormat::RGBA8888, 1, 1, Size(1, 1), false); } // refused: texture_init_with_data_seven
struct Refused17 : Layer { void setTouchEnabled(bool) override {} }; // refused: override_layer_set_touch_enabled
struct Refused18 : ScrollView { void setTouchEnabled(bool) override {} }; // refused: override_scrollview_set_touch_enabled
struct Refused19 : Node { void unscheduleAllCallbacks() override {} }; // refused: override_node_unschedule_all
struct Refused20 : FileUtils { void addSearchPath(const std::string&, const bool) override {} }; // refused: override_fileutils_add_search_path
struct Refused21 : TextureCache { Texture2D* addImage(const std::string&) override { return nullptr; } }; // refused: override_texturecache_add_image
struct Refused22 : Director { bool init() override { return true; } }; // refused: override_director_init
#endif
