// The layout parser: walking the JSON reader's documents, the root rule with
// and without a layer, the class table, the common and per-class properties,
// values of unexpected types in real exports, files that cannot be parsed, and
// the adaptation of widgets by the prefixes of their names.
#include <string>

#include "LayoutTestFixture.h"
#include "layout/JsonAccess.h"
#include "widgets/CCControlSliderEx.h"
#include "widgets/CCLabelAtlasEx.h"
#include "widgets/CCLayerEx.h"
#include "widgets/CCLayerGradientEx.h"
#include "widgets/CCScale9SpriteEx.h"
#include "widgets/CCScrollViewEx.h"
#include "widgets/CSpriteEditBox.h"
#include "widgets/CSpriteImage.h"
#include "widgets/CSpriteLabel.h"

using cocos2d::Rect;
using cocos2d::Size;
using cocos2d::Vec2;

namespace {

const char* const kBar = "\"stagecraft_fixtures/bar40x20.png\"";
const char* const kStrip = "\"stagecraft_fixtures/strip500x40.png\"";
const char* const kCharMap = "\"stagecraft_fixtures/charmap208x24.png\"";

std::string file(const char* key, const char* path, int type = 0)
{
    return std::string("\"") + key + "\": {\"path\": " + path + ", \"plistFile\": \"\", \"resourceType\": " +
           std::to_string(type) + "}";
}

template <class T> T* child(cocos2d::Node* layer, const std::string& name)
{
    return dynamic_cast<T*>(static_cast<CParseLayer*>(layer)->GetNodeWithName(name));
}

} // namespace

// ---------------------------------------------------------------- the reader's additions

TEST(JsonExports, ChildrenByPositionCountAndFlags)
{
    Json* doc = Json_create(R"({"list": [10, 20, 30], "empty": [], "n": 5, "s": "text", "obj": {"a": 1, "b": 2},
        "zero": 0, "no": false, "yes": true, "nothing": null, "blank": "", "visible": false})");
    ASSERT_NE(nullptr, doc);
    Json* list = Json_getItem(doc, "list");
    EXPECT_EQ(10, Json_getItemAt(list, -1)->valueInt);
    EXPECT_EQ(10, Json_getItemAt(list, 0)->valueInt);
    EXPECT_EQ(30, Json_getItemAt(list, 2)->valueInt);
    EXPECT_EQ(nullptr, Json_getItemAt(list, 3));
    EXPECT_EQ(nullptr, Json_getItemAt(Json_getItem(doc, "empty"), 0));
    EXPECT_STREQ("b", Json_getItemAt(Json_getItem(doc, "obj"), 1)->name);
    EXPECT_EQ(nullptr, Json_getItemAt(nullptr, 0));

    // Counted along the list, whatever the stored count says.
    list->size = 99;
    EXPECT_EQ(3, Json_getSize(list));
    EXPECT_EQ(0, Json_getSize(Json_getItem(doc, "empty")));
    EXPECT_EQ(0, Json_getSize(Json_getItem(doc, "n")));
    EXPECT_EQ(0, Json_getSize(Json_getItem(doc, "s")));
    EXPECT_EQ(0, Json_getSize(nullptr));

    for (const char* present : { "zero", "yes", "nothing", "blank", "list", "obj", "n" })
        EXPECT_TRUE(Json_getBool(doc, present)) << present;
    EXPECT_FALSE(Json_getBool(doc, "no"));
    EXPECT_FALSE(Json_getBool(doc, "missing"));
    EXPECT_FALSE(Json_getBool(doc, "Visible"));
    EXPECT_TRUE(Json_getBool(doc, "N"));
    EXPECT_FALSE(Json_getBool(nullptr, "n"));
    Json_dispose(doc);
}

// ---------------------------------------------------------------- the root rule

TEST_F(LayoutTest, RootPanelIntoASuppliedLayerKeepsTheLayersOwnProperties)
{
    RecordingLayer* layer = RecordingLayer::create();
    layer->setContentSize(Size(300, 200));
    layer->setTag(7);
    layer->setName("screen");
    scene->addChild(layer);
    const std::string text = document(entry("Panel", R"("name": "root", "width": 500, "height": 400, "tag": 3, "x": 10)",
                                            entry("ImageView", R"("name": "im_logo", "x": 40)")),
                                      1136, 640);
    EXPECT_EQ(layer, parse(text, layer));
    EXPECT_SAME(layer->getContentSize(), Size(300, 200));
    EXPECT_EQ(7, layer->getTag());
    EXPECT_EQ("screen", layer->getName());
    EXPECT_SAME(layer->getPosition(), Vec2(0, 0));
    EXPECT_STREQ("", layer->GetJsonName());
    EXPECT_EQ(0, layer->announced[layer]);
    EXPECT_FLOAT_EQ(1136, layer->GetDesignWidth());
    EXPECT_FLOAT_EQ(640, layer->GetDesignHeight());
    CSpriteImage* logo = child<CSpriteImage>(layer, "im_logo");
    ASSERT_NE(nullptr, logo);
    EXPECT_EQ(layer, logo->getParent());
    EXPECT_EQ(layer, logo->GetJsonParent());
    EXPECT_EQ(1, layer->announced[logo]);
}

TEST_F(LayoutTest, RootPanelWithoutALayerBecomesALayerThatHearsItsButtons)
{
    const std::string text = document(entry("Panel", R"("name": "root", "width": 500, "height": 400, "tag": 3)",
                                            entry("Button", R"("name": "bt_ok", "x": 200, "y": 200, )" +
                                                                file("normalData", kBar))));
    CParseLayer* layer = dynamic_cast<CParseLayer*>(parse(text, nullptr));
    ASSERT_NE(nullptr, layer);
    scene->addChild(layer);
    EXPECT_EQ(layer, CParseJson::shareParseJson()->GetRootLayer());
    EXPECT_EQ(GetParseJson(), CParseJson::shareParseJson());
    EXPECT_SAME(layer->getContentSize(), Size(500, 400));
    EXPECT_EQ(3, layer->getTag());
    EXPECT_STREQ("root", layer->GetJsonName());
    EXPECT_FLOAT_EQ(960, layer->GetDesignWidth());

    layer->SetSelectorBegan(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Began));
    layer->SetSelectorEnded(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Ended));
    tap(Vec2(200, 200));
    EXPECT_EQ((std::vector<std::string>{ "began bt_ok", "ended bt_ok" }), log->log);
}

TEST_F(LayoutTest, OtherRootsWithoutALayerAreHeldByANewLayerThatHearsTheirButtons)
{
    const std::string button = entry("Button", R"("name": "bt_close", "x": 100, "y": 100, )" + file("normalData", kBar));
    const std::string text =
        document(entry("Panel", R"("name": "LayerEx_popup", "width": 400, "height": 300, "x": 50, "y": 60)", button));
    CParseLayer* holder = dynamic_cast<CParseLayer*>(parse(text, nullptr));
    ASSERT_NE(nullptr, holder);
    scene->addChild(holder);
    EXPECT_SAME(holder->getContentSize(), Size(960, 640));
    EXPECT_FLOAT_EQ(640, holder->GetDesignHeight());
    ASSERT_EQ(1, holder->getChildrenCount());
    CCLayerEx* popup = dynamic_cast<CCLayerEx*>(holder->getChildren().at(0));
    ASSERT_NE(nullptr, popup);
    EXPECT_SAME(popup->getPosition(), Vec2(50, 60));
    EXPECT_EQ(holder, popup->GetJsonParent());

    holder->SetSelectorEnded(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Ended));
    tap(popup->convertToWorldSpace(Vec2(100, 100)));
    EXPECT_EQ(1, log->count("ended bt_close"));

    // With a layer, such a root is returned itself and reports to that layer.
    RecordingLayer* layer = RecordingLayer::create();
    CSpriteImage* image = dynamic_cast<CSpriteImage*>(
        parse(document(entry("ImageView", R"("name": "im_back")")), layer));
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(nullptr, image->getParent());
    EXPECT_EQ(layer, image->GetJsonParent());
    EXPECT_EQ(1, layer->announced[image]);
}

// ---------------------------------------------------------------- classes

TEST_F(LayoutTest, ClassTableInOrderWithUnknownClassesAndKeysIgnored)
{
    // Keys the parser does not use, as the editor writes them.
    const std::string extra = R"("ignoreSize": true, "actiontag": 1234, "sizeType": 0, "positionType": 0,
        "customProperty": "", "layoutParameter": {"type": 0, "margin": [1, 2]}, )";
    const struct {
        const char* classname;
        const char* name;
        bool built;
    } rows[] = {
        { "Button", "b", true },           { "CheckBox", "cb", false },    { "Label", "lb", true },
        { "LabelAtlas", "x_bt_go", true }, { "LabelAtlas", "num", true },  { "LoadingBar", "bar", false },
        { "ScrollView", "sv", true },      { "TextArea", "ta", false },    { "TextButton", "tb", true },
        { "TextField", "tf", true },       { "ImageView", "bgscale9", true }, { "ImageView", "im", true },
        { "Panel", "pGradient", true },    { "Panel", "pLayerEx", true },  { "Panel", "p", true },
        { "Slider", "sl", true },          { "ListView", "lv", false },    { "PageView", "pv", false },
        { "LabelBMFont", "bm", false },    { "DragPanel", "dp", false },   { "Sprite", "sp", false },
        { "button", "lower", false },
    };
    std::string children;
    for (const auto& row : rows)
        children += entry(row.classname, extra + "\"name\": \"" + row.name + "\"") + ",";
    // An entry without a class, and a class that yields nothing with a child of its own.
    children += R"({"options": {"name": "noclass"}},)";
    children += entry("CheckBox", R"("name": "cb2")", entry("ImageView", R"("name": "orphan")"));
    RecordingLayer* layer = screenWith(children);

    int built = 0;
    for (const auto& row : rows) {
        cocos2d::Node* node = layer->GetNodeWithName(row.name);
        EXPECT_EQ(row.built, node != nullptr) << row.classname << " " << row.name;
        built += node != nullptr ? 1 : 0;
    }
    EXPECT_EQ(built, static_cast<int>(layer->getChildrenCount()));
    EXPECT_EQ(nullptr, layer->GetNodeWithName("orphan"));
    EXPECT_EQ(0u, layer->announced.count(nullptr));

    EXPECT_NE(nullptr, child<CSpriteButton>(layer, "b"));
    EXPECT_NE(nullptr, child<CSpriteLabel>(layer, "lb"));
    EXPECT_NE(nullptr, child<CSpriteButton>(layer, "x_bt_go"));
    EXPECT_NE(nullptr, child<CCLabelAtlasEx>(layer, "num"));
    EXPECT_NE(nullptr, child<CCScrollViewEx>(layer, "sv"));
    EXPECT_NE(nullptr, child<CSpriteButton>(layer, "tb"));
    EXPECT_NE(nullptr, child<CSpriteEditBox>(layer, "tf"));
    EXPECT_NE(nullptr, child<CCScale9SpriteEx>(layer, "bgscale9"));
    EXPECT_NE(nullptr, child<CSpriteImage>(layer, "im"));
    EXPECT_NE(nullptr, child<CCLayerGradientEx>(layer, "pGradient"));
    EXPECT_NE(nullptr, child<CCLayerEx>(layer, "pLayerEx"));
    CParseLayer* inner = child<CParseLayer>(layer, "p");
    ASSERT_NE(nullptr, inner);
    EXPECT_NE(static_cast<CParseLayer*>(layer), inner);
    EXPECT_SAME(inner->getContentSize(), Size(0, 0)); // design size first, then "width"/"height"
    EXPECT_NE(nullptr, child<CCControlSliderEx>(layer, "sl"));
}

TEST_F(LayoutTest, AtlasButtonsAndAtlasLabels)
{
    const std::string atlas = R"("stringValue": "123", "charMapFile": "x.png", "itemHeight": 40, "startCharMap": )";
    RecordingLayer* layer = screenWith(
        entry("LabelAtlas", atlas + R"("0", "itemWidth": 100, "name": "bt_start", "x": 300, "y": 300, )" +
                                file("charMapFileData", kStrip)) +
        "," +
        entry("LabelAtlas", atlas + R"("4", "itemWidth": 100, "name": "bt_off", )" + file("charMapFileData", kStrip)) +
        "," +
        entry("LabelAtlas", atlas + R"("0", "itemWidth": 0, "name": "bt_zero", )" + file("charMapFileData", kStrip)) +
        "," +
        entry("LabelAtlas", atlas + R"("0", "itemWidth": 900, "name": "bt_wide", )" + file("charMapFileData", kStrip)) +
        "," +
        entry("LabelAtlas", R"("stringValue": "123", "charMapFile": "m", "itemWidth": 16, "itemHeight": 24,
                               "startCharMap": "0", "name": "score", "width": 48, "height": 24, )" +
                                file("charMapFileData", kCharMap)) +
        "," +
        entry("LabelAtlas", R"("stringValue": "12", "charMapFile": "m", "itemWidth": 0, "itemHeight": 24,
                               "startCharMap": "0", "name": "score_zero", )" +
                                file("charMapFileData", kCharMap)) +
        "," +
        entry("LabelAtlas", R"("stringValue": "12", "charMapFile": "m", "itemWidth": 16, "itemHeight": 24,
                               "startCharMap": "0", "name": "score_plist", )" +
                                file("charMapFileData", kCharMap, 1)));

    CSpriteButton* start = child<CSpriteButton>(layer, "bt_start");
    ASSERT_NE(nullptr, start);
    EXPECT_FLOAT_EQ(100, start->GetFrameWidth());
    EXPECT_EQ(CSpriteButton::BUTTON_NORMAL, start->GetButtonStatus());
    EXPECT_SAME(start->getTextureRect(), Rect(0, 0, 100, 40));
    EXPECT_FLOAT_EQ(1, start->GetConstScaleX());
    EXPECT_EQ(layer, start->GetSelectorTarget());

    // The start character names the look shown first.
    CSpriteButton* off = child<CSpriteButton>(layer, "bt_off");
    ASSERT_NE(nullptr, off);
    EXPECT_EQ(CSpriteButton::BUTTON_DISABLED, off->GetButtonStatus());
    EXPECT_SAME(off->getTextureRect(), Rect(400, 0, 100, 40));

    // No width to cut by: the whole picture is one column. Wider than the picture: nothing is cut.
    CSpriteButton* zero = child<CSpriteButton>(layer, "bt_zero");
    ASSERT_NE(nullptr, zero);
    EXPECT_FLOAT_EQ(500, zero->GetFrameWidth());
    CSpriteButton* wide = child<CSpriteButton>(layer, "bt_wide");
    ASSERT_NE(nullptr, wide);
    EXPECT_EQ(nullptr, wide->GetStateSprite(CSpriteButton::BUTTON_NORMAL));

    CCLabelAtlasEx* score = child<CCLabelAtlasEx>(layer, "score");
    ASSERT_NE(nullptr, score);
    EXPECT_EQ("123", score->getString());
    EXPECT_SAME(score->getContentSize(), Size(48, 24));
    CCLabelAtlasEx* scoreZero = child<CCLabelAtlasEx>(layer, "score_zero");
    ASSERT_NE(nullptr, scoreZero);
    EXPECT_EQ("", scoreZero->getString());
    CCLabelAtlasEx* plist = child<CCLabelAtlasEx>(layer, "score_plist");
    ASSERT_NE(nullptr, plist);
    EXPECT_EQ("", plist->getString());

    // A tap reaches the layer's handlers.
    layer->SetSelectorEnded(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Ended));
    tap(Vec2(300, 300));
    EXPECT_EQ(1, log->count("ended bt_start"));
}

// ---------------------------------------------------------------- properties

TEST_F(LayoutTest, CommonPropertiesOpacityVisibilityAndColour)
{
    RecordingLayer* layer = screenWith(
        entry("ImageView", R"("name": "all", "width": 40, "height": 20, "tag": 12, "anchorPointX": 0,
              "anchorPointY": 1, "x": 30.5, "y": 40, "scaleX": 2, "scaleY": 3, "rotation": 45, "ZOrder": 6,
              "flipX": true, "flipY": 0, "colorR": 300, "colorG": 20, "colorB": 30, "opacity": 128, )" +
                               file("fileNameData", kBar)) +
        "," + entry("ImageView", R"("name": "defaults")") + "," +
        entry("ImageView", R"("name": "op0", "opacity": 0)") + "," +
        entry("ImageView", R"("name": "opText", "opacity": "50")") + "," +
        entry("ImageView", R"("name": "vis0", "visible": 0)") + "," +
        entry("ImageView", R"("name": "visFalse", "visible": false)") + "," +
        entry("ImageView", R"("name": "visCase", "Visible": false)") + "," +
        entry("ImageView", R"("name": "visNull", "visible": null)") + "," +
        entry("ImageView", R"("name": "visText", "visible": "false")"));

    CSpriteImage* all = child<CSpriteImage>(layer, "all");
    ASSERT_NE(nullptr, all);
    EXPECT_EQ(12, all->getTag());
    EXPECT_SAME(all->getAnchorPoint(), Vec2(0, 1));
    EXPECT_SAME(all->getPosition(), Vec2(30.5f, 40));
    EXPECT_FLOAT_EQ(2, all->getScaleX());
    EXPECT_FLOAT_EQ(3, all->getScaleY());
    EXPECT_FLOAT_EQ(45, all->getRotation());
    EXPECT_EQ(6, all->getLocalZOrder());
    EXPECT_TRUE(all->isFlippedX());
    EXPECT_FALSE(all->isFlippedY());
    EXPECT_EQ(cocos2d::Color3B(44, 20, 30), all->getColor()); // each truncated to a byte
    EXPECT_EQ(128, all->getOpacity());
    EXPECT_SAME(all->getContentSize(), Size(40, 20));
    EXPECT_EQ("all", all->getName());

    CSpriteImage* defaults = child<CSpriteImage>(layer, "defaults");
    ASSERT_NE(nullptr, defaults);
    EXPECT_SAME(defaults->getAnchorPoint(), Vec2(0.5f, 0.5f));
    EXPECT_FLOAT_EQ(1, defaults->getScaleX());
    EXPECT_EQ(cocos2d::Color3B::WHITE, defaults->getColor());
    EXPECT_EQ(255, defaults->getOpacity());
    EXPECT_TRUE(defaults->isVisible());

    EXPECT_EQ(255, child<CSpriteImage>(layer, "op0")->getOpacity());
    EXPECT_EQ(255, child<CSpriteImage>(layer, "opText")->getOpacity());
    EXPECT_TRUE(layer->GetNodeVisible("vis0"));
    EXPECT_FALSE(layer->GetNodeVisible("visFalse"));
    EXPECT_FALSE(layer->GetNodeVisible("visCase"));
    EXPECT_TRUE(layer->GetNodeVisible("visNull"));
    EXPECT_TRUE(layer->GetNodeVisible("visText"));
}

TEST_F(LayoutTest, ValuesOfTheWrongTypeCountAsAbsent)
{
    RecordingLayer* layer = screenWith(
        entry("ImageView", R"("name": "typed", "x": "100", "y": [1], "tag": null, "scaleX": {}, "ZOrder": "3",
                               "fileNameData": {"path": null, "resourceType": 1})") +
        "," + entry("ImageView", R"("name": null, "x": 7)") + "," +
        entry("Button", R"("name": "bt_nulls", "normalData": {"path": null}, "pressedData": 5,
                            "disabledData": {"path": 3}, "text": null, "scale9Enable": true,
                            "scale9Width": "wide", "scale9Height": 10)") +
        "," + entry("Label", R"("name": "lb", "text": 12, "fontSize": "big", "areaWidth": -5, "areaHeight": 1e30)") +
        "," + R"({"classname": 5, "options": {"name": "badclass"}})" + "," +
        R"({"classname": "ImageView", "options": "none", "children": {"a": 1}})" + "," +
        entry("ScrollView", R"("name": "sv", "direction": "1", "innerWidth": null)"));

    CSpriteImage* typed = child<CSpriteImage>(layer, "typed");
    ASSERT_NE(nullptr, typed);
    EXPECT_SAME(typed->getPosition(), Vec2(0, 0));
    EXPECT_EQ(0, typed->getTag());
    EXPECT_FLOAT_EQ(1, typed->getScaleX());
    EXPECT_EQ(0, typed->getLocalZOrder());

    // Without a name: an empty one.
    cocos2d::Node* unnamed = layer->GetNodeWithName("");
    ASSERT_NE(nullptr, unnamed);
    EXPECT_FLOAT_EQ(7, unnamed->getPositionX());

    CSpriteButton* nulls = child<CSpriteButton>(layer, "bt_nulls");
    ASSERT_NE(nullptr, nulls);
    EXPECT_EQ(nullptr, nulls->GetStateSprite(CSpriteButton::BUTTON_PRESSED));
    EXPECT_EQ(nullptr, nulls->GetLabel());
    EXPECT_EQ(CSpriteButton::BUTTON_NORMAL, nulls->GetButtonStatus());

    CSpriteLabel* label = child<CSpriteLabel>(layer, "lb");
    ASSERT_NE(nullptr, label);
    EXPECT_EQ("default", label->getString());
    EXPECT_FLOAT_EQ(40, label->getSystemFontSize());
    EXPECT_FLOAT_EQ(0, label->getDimensions().width);

    EXPECT_EQ(CCScrollViewEx::Direction::BOTH, child<CCScrollViewEx>(layer, "sv")->getDirection());
    EXPECT_EQ(nullptr, layer->GetNodeWithName("badclass"));
}

TEST_F(LayoutTest, ParsedButtonsStartNormalAndTakeTouches)
{
    RecordingLayer* layer = screenWith(
        entry("Button", R"("name": "bt_all", "x": 200, "y": 200, )" + file("normalData", kBar) + "," +
                            file("pressedData", kStrip) + "," + file("disabledData", kCharMap)) +
        "," +
        entry("Button", R"("name": "bt_two", "x": 400, "y": 200, )" + file("normalData", kBar) + "," +
                            file("pressedData", kStrip)) +
        "," +
        entry("TextButton", R"("name": "bt_text", "x": 600, "y": 200, "scaleX": 2, "text": "OK", "fontSize": 20,
                                "scale9Enable": true, "capInsetsX": 5, "capInsetsY": 4, "capInsetsWidth": 30,
                                "capInsetsHeight": 12, "scale9Width": 120, "scale9Height": 50, )" +
                                file("normalData", kBar)));
    layer->SetSelectorBegan(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Began));
    layer->SetSelectorEnded(log, CC_CALLFUNCN_SELECTOR(CallbackLog::Ended));

    for (const char* name : { "bt_all", "bt_two" }) {
        CSpriteButton* button = child<CSpriteButton>(layer, name);
        ASSERT_NE(nullptr, button);
        EXPECT_EQ(CSpriteButton::BUTTON_NORMAL, button->GetButtonStatus()) << name;
        EXPECT_EQ(button->GetStateSprite(CSpriteButton::BUTTON_NORMAL)->getTexture(), button->getTexture()) << name;
        EXPECT_SAME(button->getTextureRect(), Rect(0, 0, 40, 20));
        EXPECT_EQ(cocos2d::Color3B::WHITE, button->getColor()) << name;
    }
    tap(Vec2(200, 200));
    tap(Vec2(400, 200));
    EXPECT_EQ((std::vector<std::string>{ "began bt_all", "ended bt_all", "began bt_two", "ended bt_two" }), log->log);

    CSpriteButton* text = child<CSpriteButton>(layer, "bt_text");
    ASSERT_NE(nullptr, text);
    EXPECT_FLOAT_EQ(2, text->GetConstScaleX());
    EXPECT_FLOAT_EQ(1, text->GetConstScaleY());
    ASSERT_NE(nullptr, text->GetLabel());
    EXPECT_EQ("OK", text->GetLabel()->getString());
    ASSERT_NE(nullptr, text->GetScale9());
    EXPECT_SAME(text->GetScale9()->getCapInsets(), Rect(5, 4, 30, 12));
    EXPECT_SAME(text->getContentSize(), Size(120, 50));
    tap(Vec2(600, 200));
    EXPECT_EQ(1, log->count("ended bt_text"));
}

TEST_F(LayoutTest, LabelsScrollViewsAndEditBoxes)
{
    RecordingLayer* layer = screenWith(
        entry("Label", R"("name": "lb_score", "text": "1234", "fontSize": 24, "areaWidth": 200.9, "areaHeight": 0,
                            "colorR": 10)") +
        "," + entry("Label", R"("name": "lb_nameTail", "text": "a rather long player name", "fontSize": 20,
                            "areaWidth": 60)") +
        "," +
        entry("ScrollView", R"("name": "sv3", "direction": 3, "width": 300, "height": 200, "innerWidth": 300,
                                "innerHeight": 900)",
              entry("ImageView", R"("name": "in_list")")) +
        "," + entry("ScrollView", R"("name": "sv1", "direction": 1)") + "," +
        entry("ScrollView", R"("name": "sv2", "direction": 2)") + "," +
        entry("TextField", R"("name": "tf_user", "tag": 9, "x": 300, "y": 120, "width": 200, "height": 30,
                               "placeHolder": "name", "text": "abc", "maxLengthEnable": true, "maxLength": 10,
                               "passwordEnable": false, "fontSize": 18, "visible": false)") +
        "," + entry("TextField", R"("name": "tf_plain", "maxLengthEnable": false, "maxLength": 10)"));

    CSpriteLabel* score = child<CSpriteLabel>(layer, "lb_score");
    ASSERT_NE(nullptr, score);
    EXPECT_EQ("1234", score->getString());
    EXPECT_FLOAT_EQ(24, score->getSystemFontSize());
    EXPECT_FLOAT_EQ(200, score->getDimensions().width);
    EXPECT_EQ(10, score->getColor().r);
    EXPECT_EQ(2, layer->announced[score]); // labels are announced twice
    CSpriteLabel* tail = child<CSpriteLabel>(layer, "lb_nameTail");
    ASSERT_NE(nullptr, tail);
    const std::string shown = tail->getString();
    EXPECT_LT(shown.size(), std::string("a rather long player name").size());
    EXPECT_EQ("...", shown.substr(shown.size() - 3));

    CCScrollViewEx* both = child<CCScrollViewEx>(layer, "sv3");
    ASSERT_NE(nullptr, both);
    EXPECT_EQ(CCScrollViewEx::Direction::BOTH, both->getDirection());
    EXPECT_SAME(both->getViewSize(), Size(300, 200));
    EXPECT_SAME(both->getContentSize(), Size(300, 900));
    EXPECT_EQ(static_cast<cocos2d::extension::ScrollViewDelegate*>(both), both->getDelegate());
    EXPECT_FLOAT_EQ(-700, both->getContainer()->getPositionY()); // scrolled to the top
    cocos2d::Node* inside = layer->GetNodeWithName("in_list");
    ASSERT_NE(nullptr, inside);
    EXPECT_EQ(both->getContainer(), inside->getParent());
    EXPECT_EQ(1, layer->announced[both]);
    EXPECT_EQ(CCScrollViewEx::Direction::VERTICAL, child<CCScrollViewEx>(layer, "sv1")->getDirection());
    EXPECT_EQ(CCScrollViewEx::Direction::HORIZONTAL, child<CCScrollViewEx>(layer, "sv2")->getDirection());

    CSpriteEditBox* user = child<CSpriteEditBox>(layer, "tf_user");
    ASSERT_NE(nullptr, user);
    EXPECT_EQ(10, user->getMaxLength());
    EXPECT_EQ("abc", user->GetText());
    EXPECT_EQ(9, user->getTag());
    EXPECT_EQ(9, user->GetTouchProiority());
    EXPECT_SAME(user->getPosition(), Vec2(300, 120));
    EXPECT_SAME(user->getContentSize(), Size(200, 30));
    EXPECT_FLOAT_EQ(18, user->GetDisplayLabel()->getSystemFontSize());
    EXPECT_FALSE(user->isVisible());
    EXPECT_EQ(33, child<CSpriteEditBox>(layer, "tf_plain")->getMaxLength());
}

TEST_F(LayoutTest, SlidersNineSliceImagesAndGradients)
{
    RecordingLayer* layer = screenWith(
        entry("Slider", R"("name": "sl_volume", "percent": 50, )" + file("barFileNameData", kBar) + "," +
                            file("progressBarData", kBar) + "," + file("ballNormalData", kBar)) +
        "," + entry("Slider", R"("name": "sl_broken", "percent": 50, )" + file("barFileNameData", kBar)) + "," +
        entry("ImageView", R"("name": "im_scale9", "width": 200, "height": 60, )" + file("fileNameData", kBar)) +
        "," +
        entry("ImageView", R"("name": "im_scale9_caps", "capInsetsX": 4, "capInsetsY": 3, "capInsetsWidth": 10,
                               "capInsetsHeight": 8, "width": 80, "height": 40, )" +
                               file("fileNameData", kBar)) +
        "," +
        entry("Panel", R"("name": "bgGradient", "width": 300, "height": 100, "bgStartColorR": 10,
                           "bgStartColorG": 20, "bgStartColorB": 30, "bgEndColorR": 40, "vectorX": 1, "vectorY": 0)"));

    CCControlSliderEx* volume = child<CCControlSliderEx>(layer, "sl_volume");
    ASSERT_NE(nullptr, volume);
    EXPECT_FLOAT_EQ(0.5f, volume->getValue());
    EXPECT_FLOAT_EQ(1, volume->getMaximumValue());
    EXPECT_NE(nullptr, child<CCControlSliderEx>(layer, "sl_broken"));

    CCScale9SpriteEx* plain = child<CCScale9SpriteEx>(layer, "im_scale9");
    ASSERT_NE(nullptr, plain);
    EXPECT_SAME(plain->getContentSize(), Size(200, 60));
    EXPECT_SAME(plain->getCapInsets(), Rect(20, 10, 1, 1)); // the middle of the 40 x 20 picture
    CCScale9SpriteEx* caps = child<CCScale9SpriteEx>(layer, "im_scale9_caps");
    ASSERT_NE(nullptr, caps);
    EXPECT_SAME(caps->getCapInsets(), Rect(4, 3, 10, 8));

    CCLayerGradientEx* gradient = child<CCLayerGradientEx>(layer, "bgGradient");
    ASSERT_NE(nullptr, gradient);
    EXPECT_SAME(gradient->getContentSize(), Size(300, 100));
    EXPECT_EQ(cocos2d::Color3B(10, 20, 30), gradient->getStartColor());
    EXPECT_EQ(cocos2d::Color3B(40, 255, 255), gradient->getEndColor());
    EXPECT_SAME(gradient->getVector(), Vec2(1, 0));
}

TEST_F(LayoutTest, FilesThatCannotBeParsedGiveNull)
{
    RecordingLayer* layer = RecordingLayer::create();
    CParseJson* parser = CParseJson::shareParseJson();
    EXPECT_EQ(nullptr, parser->ParseLayerJsonFile((folder + "missing.json").c_str(), layer));
    EXPECT_EQ(nullptr, parser->ParseLayerJsonFile(nullptr, layer));
    EXPECT_EQ(nullptr, parse("", layer));
    EXPECT_EQ(nullptr, parse("{\"widgetTree\": ", layer));
    EXPECT_EQ(nullptr, parse("{\"designWidth\": 800}", layer));
    EXPECT_EQ(nullptr, parse("{\"widgetTree\": [1, 2]}", layer));
    EXPECT_EQ(nullptr, parse(document(entry("CheckBox", "")), layer));

    // A document nested deeper than the reader takes: null, no crash.
    std::string deep = entry("Panel", "\"name\": \"root\"", "%");
    for (int i = 0; i < 300; ++i)
        deep.replace(deep.find('%'), 1, entry("Panel", "\"name\": \"p\"", "%"));
    deep.replace(deep.find('%'), 1, "");
    EXPECT_EQ(nullptr, parse(document(deep), layer));
    EXPECT_EQ(0, layer->getChildrenCount());

    // Just inside the limit a deep tree is built whole.
    std::string nested = entry("Panel", "\"name\": \"root\"", "%");
    for (int i = 0; i < 250; ++i)
        nested.replace(nested.find('%'), 1, entry("Panel", "\"name\": \"p" + std::to_string(i) + "\"", "%"));
    nested.replace(nested.find('%'), 1, "");
    EXPECT_EQ(layer, parse(document(nested), layer));
    EXPECT_NE(nullptr, layer->GetNodeWithName("p249"));
}

// ---------------------------------------------------------------- adaptation

TEST_F(LayoutTest, AdaptationWiderSceneMovesAndStretchesByPrefix)
{
    screen(1136, 640, false);
    RecordingLayer* layer = screenWith(
        imagesAt100({ "l_back", "r_menu", "u_title", "d_tips", "c_table", "plain", "lu_head", "rd_chat" }) +
        entry("ImageView", R"("name": "bar_top", "width": 960, "height": 80, "anchorPointX": 0, "anchorPointY": 0)") +
        "," + entry("ImageView", R"("name": "bar_mid", "width": 960, "x": 480)") + "," +
        entry("ImageView", R"("name": "ubar_x", "width": 960, "x": 480, "y": 600)") + "," +
        entry("ImageView", R"("name": "cs_logo")") + "," +
        entry("ScrollView", R"("name": "wh_l_list", "x": 100, "width": 400, "height": 300, "innerWidth": 400,
                                "innerHeight": 600)") +
        "," + entry("ImageView", R"("name": "wscale9_line", "width": 300, "height": 4, )" + file("fileNameData", kBar)) +
        "," + entry("Button", R"("name": "wscale9_button", "x": 100)") + "," +
        entry("ImageView", R"("name": "wh_scale9_frame", "width": 300, "height": 40, )" + file("fileNameData", kBar)) +
        "," + entry("Panel", R"("name": "l_LayerEx_popup", "x": 100)"));

    EXPECT_EQ(12.0f, layer->GetNodeWithName("l_back")->getPositionX());
    EXPECT_EQ(188.0f, layer->GetNodeWithName("r_menu")->getPositionX());
    EXPECT_EQ(100.0f, layer->GetNodeWithName("u_title")->getPositionY());
    EXPECT_EQ(100.0f, layer->GetNodeWithName("d_tips")->getPositionY());
    EXPECT_SAME(layer->GetNodeWithName("c_table")->getPosition(), Vec2(100, 100));
    EXPECT_SAME(layer->GetNodeWithName("plain")->getPosition(), Vec2(100, 100));
    EXPECT_SAME(layer->GetNodeWithName("lu_head")->getPosition(), Vec2(12, 100));
    EXPECT_SAME(layer->GetNodeWithName("rd_chat")->getPosition(), Vec2(188, 100));

    cocos2d::Node* bar = layer->GetNodeWithName("bar_top");
    EXPECT_EQ(1136.0f / 960.0f, bar->getScaleX());
    EXPECT_EQ(1.0f, bar->getScaleY());
    EXPECT_EQ(-87.0f, bar->getPositionX()); // 960 x 0.1833333 / 2 is 87.99997 in float
    cocos2d::Node* middle = layer->GetNodeWithName("bar_mid");
    EXPECT_EQ(1136.0f / 960.0f, middle->getScaleX());
    EXPECT_EQ(480.0f, middle->getPositionX());
    EXPECT_EQ(1136.0f / 960.0f, layer->GetNodeWithName("ubar_x")->getScaleX());
    EXPECT_EQ(600.0f, layer->GetNodeWithName("ubar_x")->getPositionY());
    EXPECT_EQ(1136.0f / 960.0f, layer->GetNodeWithName("cs_logo")->getScaleX());

    // "wh_" grows with the change size; its "l_" is no prefix.
    CCScrollViewEx* list = child<CCScrollViewEx>(layer, "wh_l_list");
    EXPECT_SAME(list->getContentSize(), Size(576, 600));
    EXPECT_SAME(list->getViewSize(), Size(576, 600));
    EXPECT_EQ(100.0f, list->getPositionX());
    EXPECT_SAME(child<CCScale9SpriteEx>(layer, "wh_scale9_frame")->getContentSize(), Size(476, 40));

    EXPECT_SAME(child<CCScale9SpriteEx>(layer, "wscale9_line")->getContentSize(), Size(1136, 4));
    CSpriteButton* notNine = child<CSpriteButton>(layer, "wscale9_button");
    EXPECT_EQ(100.0f, notNine->getPositionX());
    EXPECT_SAME(notNine->getContentSize(), Size(0, 0));

    // Touch-layer panels take their prefix twice.
    EXPECT_EQ(-76.0f, layer->GetNodeWithName("l_LayerEx_popup")->getPositionX());

    // Applied again by the screen, it moves again.
    cocos2d::Node* back = layer->GetNodeWithName("l_back");
    layer->SetAutoPosition(back);
    EXPECT_EQ(-76.0f, back->getPositionX());
    // A node without a layout record is left alone.
    cocos2d::Node* bare = cocos2d::Node::create();
    bare->setName("l_bare");
    bare->setPositionX(100);
    layer->SetAutoPosition(bare);
    EXPECT_EQ(100.0f, bare->getPositionX());

    // The layer itself is centred in the scene.
    layer->SetAutoPosition();
    EXPECT_SAME(layer->getPosition(), Vec2(88, 0));
}

TEST_F(LayoutTest, AdaptationTallerSceneMovesCornersAndBarsVertically)
{
    screen(960, 768, true);
    RecordingLayer* layer = screenWith(
        imagesAt100({ "lu_a", "ld_a", "ru_a", "rd_a", "u_a", "l_a" }) +
        entry("ImageView", R"("name": "ubar_a", "width": 960, "y": 600)") + "," +
        entry("ImageView", R"("name": "dbar_a", "width": 960, "y": 40)") + "," +
        entry("ImageView", R"("name": "uscale9_a", "width": 300, "height": 4, "y": 600, )" +
                               file("fileNameData", kBar)) +
        "," + entry("ScrollView", R"("name": "wh_list", "width": 400, "height": 300, "innerWidth": 400,
                                     "innerHeight": 300)"));

    EXPECT_SAME(layer->GetNodeWithName("lu_a")->getPosition(), Vec2(100, 164));
    EXPECT_SAME(layer->GetNodeWithName("ld_a")->getPosition(), Vec2(100, 36));
    EXPECT_SAME(layer->GetNodeWithName("ru_a")->getPosition(), Vec2(100, 164));
    EXPECT_SAME(layer->GetNodeWithName("rd_a")->getPosition(), Vec2(100, 36));
    EXPECT_SAME(layer->GetNodeWithName("u_a")->getPosition(), Vec2(100, 164));
    EXPECT_SAME(layer->GetNodeWithName("l_a")->getPosition(), Vec2(100, 100));
    EXPECT_EQ(1.0f, layer->GetNodeWithName("ubar_a")->getScaleX());
    EXPECT_EQ(664.0f, layer->GetNodeWithName("ubar_a")->getPositionY());
    EXPECT_EQ(-24.0f, layer->GetNodeWithName("dbar_a")->getPositionY());
    CCScale9SpriteEx* line = child<CCScale9SpriteEx>(layer, "uscale9_a");
    EXPECT_SAME(line->getContentSize(), Size(960, 4));
    EXPECT_EQ(664.0f, line->getPositionY());
    EXPECT_SAME(child<CCScrollViewEx>(layer, "wh_list")->getViewSize(), Size(400, 428));

    layer->SetAutoPosition();
    EXPECT_SAME(layer->getPosition(), Vec2(0, 64));
}

TEST_F(LayoutTest, AdaptationBarsOfALayoutWithoutDesignWidthKeepTheirScale)
{
    screen(1136, 640, false);
    RecordingLayer* layer = RecordingLayer::create();
    scene->addChild(layer);
    parse("{\"widgetTree\": " +
              entry("Panel", "\"name\": \"root\"", entry("ImageView", R"("name": "bar_top", "width": 960)")) + "}",
          layer);
    cocos2d::Node* bar = layer->GetNodeWithName("bar_top");
    ASSERT_NE(nullptr, bar);
    EXPECT_EQ(1.0f, bar->getScaleX());
    EXPECT_EQ(0.0f, bar->getPositionX());
}
