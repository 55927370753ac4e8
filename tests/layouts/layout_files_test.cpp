// The project's layout files (tools/layouts) loaded as a game loads them, at
// the frame sizes the platform's clients meet: 960 x 640 (the design), 1136 x
// 640 (wider: 176 points of extra width), 1024 x 768 and 2048 x 1536 (taller:
// 80 points of extra height, the same scene at two pixel densities). The
// expected places are worked out by hand from the files and the naming rules.
// Then the same files with every value nulled, every value of another type
// and unknown keys everywhere, as editors of other versions write them: each
// still loads into the same widgets.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "LayoutPreview.h"

#include "layout/CParseJson.h"
#include "layout/CParseLayer.h"
#include "services/CAutoScreen.h"
#include "spine/Json.h"
#include "widgets/CCLayerEx.h"
#include "widgets/CCScale9SpriteEx.h"
#include "widgets/CCScrollViewEx.h"
#include "widgets/CSpriteButton.h"
#include "widgets/CSpriteLabel.h"

namespace {

struct Frame {
    float width, height;
    int column; // into the expected values: design, wider, taller
};

const Frame kFrames[] = { { 960, 640, 0 }, { 1136, 640, 1 }, { 1024, 768, 2 }, { 2048, 1536, 2 } };

// A widget's position at the design size, in the wider scene and in the taller one.
struct Place {
    const char* file;
    const char* name;
    float x[3];
    float y[3];
};

const Place kPlaces[] = {
    // Corners and edges: l_/r_ follow the extra width, u_/d_ the extra
    // height, the corner prefixes the one the scene has.
    { "lobby", "lu_im_avatar_frame", { 60, -28, 60 }, { 600, 600, 640 } },
    { "lobby", "lu_num_coins", { 150, 62, 150 }, { 584, 584, 624 } },
    { "lobby", "u_lb_title", { 480, 480, 480 }, { 600, 600, 640 } },
    { "lobby", "ru_bt_mail", { 780, 868, 780 }, { 600, 600, 640 } },
    { "lobby", "ru_bt_exit", { 918, 1006, 918 }, { 600, 600, 640 } },
    { "lobby", "ld_btn_shop", { 90, 2, 90 }, { 42, 42, 2 } },
    { "lobby", "ld_btn_bag", { 240, 152, 240 }, { 42, 42, 2 } },
    { "lobby", "d_btn_rank", { 480, 480, 480 }, { 42, 42, 2 } },
    { "lobby", "rd_bt_help", { 900, 988, 900 }, { 42, 42, 2 } },
    { "lobby", "l_sv_rooms", { 40, -48, 40 }, { 100, 100, 100 } },
    { "lobby", "l_tf_search", { 190, 102, 190 }, { 510, 510, 510 } },
    { "lobby", "r_panel_side", { 700, 788, 700 }, { 100, 100, 100 } },
    { "lobby", "c_lb_notice", { 480, 480, 480 }, { 548, 548, 548 } },
    // Bars: "bar_" with anchor (0, 0) moves left by the truncated half of its
    // growth (960 x 0.18333 / 2 = 87.99997 in float, so 87); the others move
    // with the edge they belong to.
    { "lobby", "bar_GradientNotice", { 0, -87, 0 }, { 536, 536, 536 } },
    { "lobby", "ubar_GradientTopBar", { 0, 0, 0 }, { 560, 560, 600 } },
    { "lobby", "dbar_im_bottombar", { 480, 480, 480 }, { 0, 0, -40 } },
    // Inside a panel and inside a scroll view: nothing moves but the parent.
    { "lobby", "sl_stake", { 115, 115, 115 }, { 295, 295, 295 } },
    { "lobby", "bt_enter3", { 540, 540, 540 }, { 60, 60, 60 } },
    { "table", "lu_bt_back", { 40, -48, 40 }, { 615, 615, 655 } },
    { "table", "ru_lb_time", { 900, 988, 900 }, { 615, 615, 655 } },
    { "table", "uscale9_top_strip", { 480, 480, 480 }, { 615, 615, 655 } },
    { "table", "wscale9_divider", { 480, 480, 480 }, { 132, 132, 132 } },
    { "table", "l_panel_seat1", { 20, -68, 20 }, { 280, 280, 280 } },
    { "table", "r_panel_seat2", { 790, 878, 790 }, { 280, 280, 280 } },
    { "table", "ld_panel_seat0", { 20, -68, 20 }, { 110, 110, 70 } },
    { "table", "rd_btn_raise", { 900, 988, 900 }, { 40, 40, 0 } },
    { "table", "d_sv_phrases", { 200, 200, 200 }, { 80, 80, 40 } },
    // "wh_" then "l_": only the growth, the prefix is not at the start.
    { "table", "wh_l_sv_chat", { 120, 120, 120 }, { 460, 460, 460 } },
    // A "LayerEx" panel is adapted twice: 2 x 40 down in the taller scene.
    { "table", "d_LayerEx_hand", { 180, 180, 180 }, { 150, 150, 70 } },
    { "table", "c_scale9_pot_bg", { 480, 480, 480 }, { 360, 360, 360 } },
    { "settings", "rd_lb_version", { 950, 1038, 950 }, { 10, 10, -30 } },
    { "settings", "c_panel_dialog", { 200, 200, 200 }, { 110, 110, 110 } },
    { "settings", "wh_scale9_dim", { 480, 480, 480 }, { 320, 320, 320 } },
    { "settings", "bt_close", { 520, 520, 520 }, { 32, 32, 32 } },
};

// Sizes and scales the prefixes change.
struct Stretch {
    const char* file;
    const char* name;
    float width[3]; // content width (a scroll view's view width)
    float height[3];
    float scaleX[3];
};

const float kWide = 1136.0f / 960.0f; // 1.1833333 in float
const Stretch kStretches[] = {
    { "lobby", "cs_im_bg", { 960, 960, 960 }, { 640, 640, 640 }, { 1, kWide, 1.125f } },
    { "lobby", "ubar_GradientTopBar", { 960, 960, 960 }, { 80, 80, 80 }, { 1, kWide, 1 } },
    { "lobby", "bar_GradientNotice", { 960, 960, 960 }, { 24, 24, 24 }, { 1, kWide, 1 } },
    { "lobby", "dbar_im_bottombar", { 960, 960, 960 }, { 84, 84, 84 }, { 1, kWide, 1 } },
    { "lobby", "l_sv_rooms", { 640, 640, 640 }, { 380, 380, 380 }, { 1, 1, 1 } },
    { "table", "uscale9_top_strip", { 960, 1136, 960 }, { 50, 50, 50 }, { 1, 1, 1 } },
    { "table", "wscale9_divider", { 960, 1136, 960 }, { 4, 4, 4 }, { 1, 1, 1 } },
    { "table", "wh_l_sv_chat", { 240, 416, 240 }, { 110, 110, 190 }, { 1, 1, 1 } },
    { "table", "rd_btn_call", { 140, 140, 140 }, { 56, 56, 56 }, { 0.8f, 0.8f, 0.8f } },
    { "settings", "wh_scale9_dim", { 960, 1136, 960 }, { 640, 640, 720 }, { 1, 1, 1 } },
};

const char* const kFiles[] = { "lobby", "table", "settings" };

std::string LayoutPath(const std::string& file)
{
    return "layouts/" + file + ".json";
}

// Loads file at frame as the game does; the preview keeps the engine running
// until it goes.
struct Loaded {
    Loaded(const std::string& path, cocos2d::Size frame)
    {
        options.file = path;
        options.frame = frame;
        preview.reset(new LayoutPreview(options));
        loaded = preview->Load(message);
    }
    cocos2d::Node* Find(const std::string& name) const { return preview->GetLayer()->GetNodeWithName(name); }

    LayoutPreviewOptions options;
    std::unique_ptr<LayoutPreview> preview;
    std::string message;
    bool loaded = false;
};

class LayoutFilesAtFrame : public ::testing::TestWithParam<Frame> {};

TEST_P(LayoutFilesAtFrame, PrefixedWidgetsLandWhereTheNamingRulesPutThem)
{
    const Frame frame = GetParam();
    for (const char* file : kFiles) {
        Loaded layout(LayoutPath(file), cocos2d::Size(frame.width, frame.height));
        ASSERT_TRUE(layout.loaded) << layout.message;
        // The screen is centred in the scene, the design inside it.
        const cocos2d::Vec2 layer = layout.preview->GetLayer()->getPosition();
        EXPECT_FLOAT_EQ(layer.x, frame.column == 1 ? 88 : 0) << file;
        EXPECT_FLOAT_EQ(layer.y, frame.column == 2 ? 40 : 0) << file;

        for (const Place& place : kPlaces) {
            if (file != std::string(place.file))
                continue;
            SCOPED_TRACE(std::string(file) + " " + place.name);
            cocos2d::Node* node = layout.Find(place.name);
            ASSERT_NE(node, nullptr);
            EXPECT_FLOAT_EQ(node->getPositionX(), place.x[frame.column]);
            EXPECT_FLOAT_EQ(node->getPositionY(), place.y[frame.column]);
        }
        for (const Stretch& stretch : kStretches) {
            if (file != std::string(stretch.file))
                continue;
            SCOPED_TRACE(std::string(file) + " " + stretch.name);
            cocos2d::Node* node = layout.Find(stretch.name);
            ASSERT_NE(node, nullptr);
            cocos2d::Size size = node->getContentSize();
            if (auto* list = dynamic_cast<cocos2d::extension::ScrollView*>(node))
                size = list->getViewSize();
            EXPECT_FLOAT_EQ(size.width, stretch.width[frame.column]);
            EXPECT_FLOAT_EQ(size.height, stretch.height[frame.column]);
            EXPECT_FLOAT_EQ(node->getScaleX(), stretch.scaleX[frame.column]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Frames, LayoutFilesAtFrame, ::testing::ValuesIn(kFrames),
                         [](const ::testing::TestParamInfo<Frame>& info) {
                             return std::to_string(static_cast<int>(info.param.width)) + "x" +
                                    std::to_string(static_cast<int>(info.param.height));
                         });

TEST(LayoutFiles, WidgetsComeOutAsTheirClassesAndNamesSay)
{
    Loaded lobby(LayoutPath("lobby"), cocos2d::Size(960, 640));
    ASSERT_TRUE(lobby.loaded) << lobby.message;
    // Atlas entries named "bt_" are buttons showing the column their start
    // character names (the last room's is the disabled look); others are labels.
    auto* enter0 = dynamic_cast<CSpriteButton*>(lobby.Find("bt_enter0"));
    auto* enter5 = dynamic_cast<CSpriteButton*>(lobby.Find("bt_enter5"));
    ASSERT_NE(enter0, nullptr);
    ASSERT_NE(enter5, nullptr);
    EXPECT_EQ(enter0->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
    EXPECT_EQ(enter5->GetButtonStatus(), CSpriteButton::BUTTON_DISABLED);
    EXPECT_EQ(dynamic_cast<CSpriteButton*>(lobby.Find("lu_num_coins")), nullptr);
    // A button whose disabled image has a null path still starts normal.
    auto* shop = dynamic_cast<CSpriteButton*>(lobby.Find("ld_btn_shop"));
    ASSERT_NE(shop, nullptr);
    EXPECT_EQ(shop->GetButtonStatus(), CSpriteButton::BUTTON_NORMAL);
    // Rooms live in the list's container and are found through it.
    auto* rooms = dynamic_cast<CCScrollViewEx*>(lobby.Find("l_sv_rooms"));
    ASSERT_NE(rooms, nullptr);
    EXPECT_EQ(rooms->getContainer()->getChildrenCount(), 6);
    EXPECT_NE(dynamic_cast<CCScale9SpriteEx*>(lobby.Find("scale9_room_bg5")), nullptr);
    // Classes that build nothing, and unknown ones, leave no widget (and
    // take their children with them).
    for (const char* gone : { "pv_banner", "im_banner0", "cb_only_free", "lb_task_progress", "Widget_fx", "im_fx_star" })
        EXPECT_EQ(lobby.Find(gone), nullptr) << gone;
    EXPECT_FALSE(lobby.Find("im_mail_dot")->isVisible());
    // "Tail" names cut their text to the label's width.
    auto* nickname = dynamic_cast<CSpriteLabel*>(lobby.Find("lu_lb_nicknameTail"));
    ASSERT_NE(nickname, nullptr);
    const std::string shown = nickname->getString();
    ASSERT_GE(shown.size(), 3u);
    EXPECT_EQ(shown.substr(shown.size() - 3), "...");
    EXPECT_LE(nickname->getContentSize().width, 150);
}

TEST(LayoutFiles, PopUpLayerStaysUntilClosed)
{
    Loaded settings(LayoutPath("settings"), cocos2d::Size(1136, 640));
    ASSERT_TRUE(settings.loaded) << settings.message;
    auto* popup = dynamic_cast<CCLayerEx*>(settings.Find("c_LayerEx_popup_false"));
    ASSERT_NE(popup, nullptr);
    EXPECT_FALSE(popup->GetRemoveSelf());
    EXPECT_NE(dynamic_cast<CSpriteButton*>(settings.Find("bt_close")), nullptr);
    EXPECT_EQ(settings.Find("cb_vibrate"), nullptr);
    EXPECT_EQ(settings.Find("im_editor_guide"), nullptr); // an entry without "classname"
}

// --- a screen as the README shows it -------------------------------------------------

class LobbyScreen : public CParseLayer {
public:
    CREATE_FUNC(LobbyScreen);

    bool init() override
    {
        if (!CParseLayer::init())
            return false;
        if (GetParseJson()->ParseLayerJsonFile("lobby.json", this) == nullptr)
            return false;
        SetAutoPosition();
        SetSelectorEnded(this, callfuncN_selector(LobbyScreen::OnButton));
        SetLabelAtlasScore("lu_num_coins", 3600);
        return true;
    }

    void OnButton(cocos2d::Node* button)
    {
        clicked.push_back(button->getName());
        if (auto* record = dynamic_cast<CSpriteUIJsonData*>(button))
            rooms.push_back(record->GetJsonNameLastCharIntValue());
    }

    std::vector<std::string> clicked;
    std::vector<int> rooms;
};

TEST(LayoutFiles, EveryButtonOfTheLobbyReportsToItsScreen)
{
    Loaded engine(LayoutPath("lobby"), cocos2d::Size(1136, 640));
    ASSERT_TRUE(engine.loaded) << engine.message;
    engine.preview->GetLayer()->removeFromParent();
    LobbyScreen* screen = LobbyScreen::create();
    ASSERT_NE(screen, nullptr);
    engine.preview->GetScene()->addChild(screen);
    cocos2d::Director::getInstance()->mainLoop(0.0f);

    // Taps at scene points: the window is as large as the scene.
    cocos2d::GLView* view = cocos2d::Director::getInstance()->getOpenGLView();
    auto tap = [view](float x, float y) {
        intptr_t id = 1;
        float wx = x, wy = 640 - y;
        view->handleTouchesBegin(1, &id, &wx, &wy);
        view->handleTouchesEnd(1, &id, &wx, &wy);
    };
    tap(1026, 600); // the settings button, at the right edge of the wider scene
    tap(590, 280);  // the second room's enter button, inside the scroll view
    tap(90, 42);    // the shop button, whose disabled image has a null path
    tap(568, 320);  // no button
    EXPECT_EQ(screen->clicked, (std::vector<std::string>{ "ru_bt_settings", "bt_enter1", "ld_btn_shop" }));
    ASSERT_EQ(screen->rooms.size(), 3u);
    EXPECT_EQ(screen->rooms[1], 1); // the room number the name ends in
    EXPECT_EQ(static_cast<cocos2d::LabelAtlas*>(screen->GetNodeWithName("lu_num_coins"))->getString(), "3600");
}

// --- other editors' shapes ---------------------------------------------------------

using Transform = std::function<void(Json* member, std::string& out)>;

void Quote(const char* text, std::string& out)
{
    out += '"';
    for (const char* p = text; *p != '\0'; ++p) {
        if (*p == '"' || *p == '\\')
            out += '\\';
        out += *p;
    }
    out += '"';
}

// Writes value back as JSON text; members of "options" objects other than
// the entry's class and name go through change instead.
void Write(Json* value, std::string& out, const Transform& change, bool inOptions = false)
{
    switch (value->type) {
    case Json_False: out += "false"; break;
    case Json_True: out += "true"; break;
    case Json_NULL: out += "null"; break;
    case Json_Number: out += std::to_string(value->valueFloat); break;
    case Json_String: Quote(value->valueString, out); break;
    default: {
        const bool object = value->type == Json_Object;
        out += object ? '{' : '[';
        for (Json* child = value->child; child != nullptr; child = child->next) {
            if (child != value->child)
                out += ',';
            if (object) {
                Quote(child->name, out);
                out += ':';
            }
            const std::string name = child->name != nullptr ? child->name : "";
            if (inOptions && name != "name" && name != "classname")
                change(child, out);
            else
                Write(child, out, change, object && name == "options");
        }
        if (object && change != nullptr && inOptions)
            out += ",\"zzFromANewerEditor\":{\"list\":[1,\"two\",null,{\"deep\":[[]]}]}";
        out += object ? '}' : ']';
    }
    }
}

// The names of the widgets found below node.
void Names(cocos2d::Node* node, std::set<std::string>& names)
{
    for (cocos2d::Node* child : node->getChildren()) {
        if (auto* record = dynamic_cast<CSpriteUIJsonData*>(child)) {
            if (record->GetJsonParent() != nullptr)
                names.insert(record->GetJsonName());
        }
        Names(child, names);
    }
}

std::set<std::string> LoadNames(const std::string& path, cocos2d::Size frame)
{
    Loaded layout(path, frame);
    EXPECT_TRUE(layout.loaded) << path << ": " << layout.message;
    std::set<std::string> names;
    if (layout.loaded)
        Names(layout.preview->GetLayer(), names);
    return names;
}

TEST(LayoutFiles, NullsOtherTypesAndUnknownKeysNeverBreakALoad)
{
    const Transform nulls = [](Json*, std::string& out) { out += "null"; };
    const Transform otherTypes = [](Json* member, std::string& out) {
        switch (member->type) {
        case Json_Number: out += "\"12\""; break;
        case Json_String: out += "12"; break;
        case Json_Object: out += "\"common/im_coin.png\""; break;
        case Json_Array: out += "{}"; break;
        case Json_NULL: out += "{\"path\":null}"; break;
        default: out += "[]"; break;
        }
    };
    cocos2d::FileUtils* files = cocos2d::FileUtils::getInstance();
    const std::string folder = files->getWritablePath();
    for (const char* file : kFiles) {
        const std::string text = files->getStringFromFile(LayoutPath(file));
        Json* doc = Json_create(text.c_str());
        ASSERT_NE(doc, nullptr) << file;
        const std::set<std::string> expected = LoadNames(LayoutPath(file), cocos2d::Size(1136, 640));
        ASSERT_GT(expected.size(), 20u) << file;
        int variant = 0;
        for (const Transform& change : { nulls, otherTypes }) {
            std::string changed;
            Write(doc, changed, change);
            const std::string path = folder + "odd_" + file + std::to_string(variant++) + ".json";
            ASSERT_TRUE(files->writeStringToFile(changed, path));
            // The same widgets (classes follow the class and the name alone),
            // whatever their properties became.
            EXPECT_EQ(LoadNames(path, cocos2d::Size(1024, 768)), expected) << path;
            files->removeFile(path);
        }
        Json_dispose(doc);
    }
}

} // namespace
