// Node records (parameters, callbacks, layout names), the payload and message
// carriers, and notifications through the engine's notification centre.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "cocos2d.h"

#include "layout/CNotify.h"
#include "layout/CSpriteData.h"
#include "layout/CSpriteInterface.h"

namespace {

// A callback target that records which handler ran with which node.
class Recorder : public cocos2d::Ref {
public:
    void OnBegan(cocos2d::Node* node) { calls.push_back("began:" + Name(node)); }
    void OnMoved(cocos2d::Node* node) { calls.push_back("moved:" + Name(node)); }
    void OnEnded(cocos2d::Node* node) { calls.push_back("ended:" + Name(node)); }
    void OnNotify(cocos2d::Ref* object)
    {
        CNotify* notify = dynamic_cast<CNotify*>(object);
        ASSERT_NE(notify, nullptr);
        texts.push_back(notify->m_strParamText1 + "|" + notify->m_strParamText2 + "|" + notify->m_strParamText3);
        last = notify;
    }

    std::vector<std::string> calls;
    std::vector<std::string> texts;
    CNotify* last = nullptr;

private:
    static std::string Name(cocos2d::Node* node) { return node != nullptr ? node->getName() : "null"; }
};

// A widget-like node carrying the records, as every library widget does.
class RecordNode : public cocos2d::Node, public CSpriteInterface {};

} // namespace

TEST(ParamData, ObjectSlotsAndFloatValuesAreBounded)
{
    CSpriteParamData param;
    int objects[12];
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(param.SetParamObject(&objects[i]));
    EXPECT_FALSE(param.SetParamObject(&objects[10]));
    EXPECT_EQ(param.GetParamObjectCount(), 10);
    EXPECT_EQ(param.GetParamObject(9), &objects[9]);
    EXPECT_EQ(param.GetParamObject(10), nullptr);
    EXPECT_EQ(param.GetParamObject(-1), nullptr);

    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(param.setParamDataN(static_cast<float>(i)));
    EXPECT_FALSE(param.setParamDataN(99.0f));
    EXPECT_FALSE(param.setParamDataN(99.0f, 10));
    EXPECT_EQ(param.getParamDataN(9), 9.0f);
    EXPECT_EQ(param.getParamDataN(10), 0.0f);
}

TEST(ParamData, AppendAndIndexedFloatValues)
{
    CSpriteParamData param;
    param.setParamDataN(1.5f);
    param.setParamDataN(2.5f);
    param.setParamDataN(3.5f);
    EXPECT_EQ(param.getParamDataN(0), 1.5f);
    EXPECT_EQ(param.getParamDataN(1), 2.5f);
    EXPECT_EQ(param.getParamDataN(2), 3.5f);
    EXPECT_EQ(param.getParamDataCount(), 3);

    param.setParamDataN(8.0f, 5);
    EXPECT_EQ(param.getParamDataN(5), 8.0f);
    EXPECT_EQ(param.getParamDataCount(), 3);
    param.setParamDataN(4.5f);
    EXPECT_EQ(param.getParamDataN(3), 4.5f);
}

TEST(ParamData, ResetKeepsFloatValuesAndTypeData)
{
    CSpriteParamData param;
    int object = 0;
    param.SetParamObject(&object);
    param.setParamDataN(6.0f);
    param.SetParamScore(1234567890123LL);
    param.SetParamPoint(cocos2d::Vec2(3, 4));
    param.SetParamBool(true);
    param.SetMainType(2);
    param.SetTypeData(7);
    param.m_strParamText2 = "text";

    param.ResetSpriteParamData();
    EXPECT_EQ(param.GetParamObject(0), nullptr);
    EXPECT_EQ(param.GetParamObjectCount(), 0);
    EXPECT_EQ(param.getParamDataCount(), 0);
    EXPECT_EQ(param.getParamDataN(0), 6.0f);
    EXPECT_EQ(param.GetTypeData(), 7);
    EXPECT_EQ(param.GetParamScore(), 0);
    EXPECT_EQ(param.GetParamPoint(), cocos2d::Vec2(0, 0));
    EXPECT_FALSE(param.GetParamBool());
    EXPECT_EQ(param.GetMainType(), 0);
    EXPECT_TRUE(param.m_strParamText2.empty());
}

TEST(Selector, NewTargetDropsTheOldOnesCallbacks)
{
    Recorder a, b;
    RecordNode node;
    node.setName("button");
    node.SetSelectorBegan(&a, callfuncN_selector(Recorder::OnBegan));
    node.SetSelectorEnded(&a, callfuncN_selector(Recorder::OnEnded));
    node.SetTouchPriority(3);
    node.SetTouchActive(true);
    node.SetSelectorPoint(cocos2d::Vec2(5, 6));

    node.SetSelectorMoved(&b, callfuncN_selector(Recorder::OnMoved));
    EXPECT_EQ(node.GetSelectorTarget(), &b);
    EXPECT_EQ(node.GetSelectorBegan(), nullptr);
    EXPECT_EQ(node.GetSelectorEnded(), nullptr);
    EXPECT_EQ(node.GetTouchProiority(), 0);
    EXPECT_FALSE(node.GetTouchActive());
    EXPECT_EQ(node.GetSelectorPoint(), cocos2d::Vec2(0, 0));

    EXPECT_FALSE(node.CallSelectorBegan(&node));
    EXPECT_TRUE(node.CallSelectorMoved(&node));
    EXPECT_FALSE(node.CallSelectorEnded(&node));
    EXPECT_TRUE(a.calls.empty());
    ASSERT_EQ(b.calls.size(), 1u);
    EXPECT_EQ(b.calls[0], "moved:button");
}

TEST(Selector, SameTargetKeepsEveryCallback)
{
    Recorder a;
    RecordNode node;
    node.setName("n");
    node.SetSelectorBegan(&a, callfuncN_selector(Recorder::OnBegan));
    node.SetSelectorMoved(&a, callfuncN_selector(Recorder::OnMoved));
    node.SetSelectorEnded(&a, callfuncN_selector(Recorder::OnEnded));
    node.CallSelectorBegan(&node);
    node.CallSelectorMoved(&node);
    node.CallSelectorEnded(&node);
    EXPECT_EQ(a.calls, (std::vector<std::string>{ "began:n", "moved:n", "ended:n" }));

    node.InitSpriteSelector();
    EXPECT_EQ(node.GetSelectorTarget(), nullptr);
    EXPECT_FALSE(node.CallSelectorBegan(&node));
}

TEST(JsonData, NamesWithIndicesAndSuffixes)
{
    CSpriteUIJsonData json;
    json.SetJsonName("bt_seat", 3);
    EXPECT_STREQ(json.GetJsonName(), "bt_seat3");
    EXPECT_EQ(json.GetJsonIndex(), 3);
    json.SetJsonName("bt_other");
    EXPECT_STREQ(json.GetJsonName(), "bt_other");
    EXPECT_EQ(json.GetJsonIndex(), 3);
    json.SetJsonName("bt_seat", -1);
    EXPECT_STREQ(json.GetJsonName(), "bt_seat");
    EXPECT_EQ(json.GetJsonIndex(), -1);
    json.SetJsonName("bt_", std::string("ok"));
    EXPECT_STREQ(json.GetJsonName(), "bt_ok");
    json.SetJsonName("im_card", 12);
    EXPECT_STREQ(json.GetJsonName(), "im_card12");
}

TEST(JsonData, LastCharacterValue)
{
    CSpriteUIJsonData json;
    EXPECT_STREQ(json.GetJsonNameLastChar(), "");
    EXPECT_EQ(json.GetJsonNameLastCharIntValue(), 0);
    json.SetJsonName("bt_chip7");
    EXPECT_STREQ(json.GetJsonNameLastChar(), "7");
    EXPECT_EQ(json.GetJsonNameLastCharIntValue(), 7);
    json.SetJsonName("bt_chip17");
    EXPECT_EQ(json.GetJsonNameLastCharIntValue(), 7);
    json.SetJsonName("bt_box");
    EXPECT_EQ(json.GetJsonNameLastCharIntValue(), 0);

    cocos2d::Node* parent = cocos2d::Node::create();
    json.SetJsonParent(parent);
    EXPECT_EQ(json.GetJsonParent(), parent);
    json.InitSpriteUIJsonData();
    EXPECT_EQ(json.GetJsonParent(), nullptr);
    EXPECT_STREQ(json.GetJsonName(), "");
}

TEST(Interface, CopiesCarryAllThreeRecords)
{
    Recorder a;
    RecordNode node;
    node.SetParamInt(42);
    node.SetSelectorEnded(&a, callfuncN_selector(Recorder::OnEnded));
    node.SetJsonName("bt_go", 2);

    CSpriteInterface copy(node);
    EXPECT_EQ(copy.GetParamInt(), 42);
    EXPECT_EQ(copy.GetSelectorTarget(), &a);
    EXPECT_STREQ(copy.GetJsonName(), "bt_go2");

    CSpriteInterface other;
    other = node;
    EXPECT_EQ(other.GetSelectorEnded(), node.GetSelectorEnded());
    EXPECT_EQ(other.GetJsonIndex(), 2);

    // The records are found from the engine node, as the parser and the parsed layer do.
    cocos2d::Node* asNode = &node;
    EXPECT_NE(dynamic_cast<CSpriteUIJsonData*>(asNode), nullptr);
    cocos2d::Ref* plain = &a;
    EXPECT_EQ(dynamic_cast<CSpriteUIJsonData*>(plain), nullptr);
}

TEST(SpriteData, TextPayloadIsTerminated)
{
    Recorder owner;
    char text[] = "abc";
    CSpriteData* data = CSpriteData::create(text, &owner);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->GetSize(), 3);
    EXPECT_STREQ(data->GetData(), "abc");
    EXPECT_EQ(data->GetType(), CSpriteData::DATA_TEXT);
    EXPECT_EQ(data->GetParamObject(0), &owner);
    EXPECT_NE(data->GetData(), text);
}

TEST(SpriteData, CommandAndTypedPayloads)
{
    const unsigned char bytes[] = { 1, 0, 2, 0xFF };
    CSpriteData* command = CSpriteData::create(200, 7, const_cast<unsigned char*>(bytes), 4);
    EXPECT_EQ(command->GetType(), CSpriteData::DATA_COMMAND);
    EXPECT_EQ(command->GetMainCmdID(), 200);
    EXPECT_EQ(command->GetSubCmdID(), 7);
    EXPECT_EQ(command->GetSize(), 4);
    EXPECT_EQ(std::memcmp(command->GetData(), bytes, 4), 0);
    EXPECT_EQ(command->GetData()[4], 0);

    CSpriteData* typed = CSpriteData::create(const_cast<unsigned char*>(bytes), 2, CSpriteData::DATA_COMMAND);
    EXPECT_EQ(typed->GetType(), 100);
    EXPECT_EQ(typed->GetTypeData(), 100);
    EXPECT_EQ(typed->GetSize(), 2);
    typed->GetType(CSpriteData::DATA_TEXT);
    EXPECT_EQ(typed->GetType(), 0);
}

TEST(SpriteData, CopiesOwnTheirPayload)
{
    char text[] = "payload";
    CSpriteData* source = CSpriteData::create(200, 9, text, 7);

    CSpriteData fromPointer(source);
    EXPECT_STREQ(fromPointer.GetData(), "payload");
    EXPECT_EQ(fromPointer.GetType(), CSpriteData::DATA_COMMAND);
    EXPECT_EQ(fromPointer.GetMainCmdID(), 0); // the ids are not copied
    EXPECT_NE(fromPointer.GetData(), source->GetData());

    {
        CSpriteData byValue(*source);
        EXPECT_NE(byValue.GetData(), source->GetData());
        EXPECT_EQ(byValue.GetMainCmdID(), 200);
        EXPECT_EQ(byValue.getReferenceCount(), 1u);
        CSpriteData assigned;
        assigned = byValue;
        EXPECT_STREQ(assigned.GetData(), "payload");
        EXPECT_NE(assigned.GetData(), byValue.GetData());
    }
    // The copies are gone; the source's payload is intact.
    EXPECT_STREQ(source->GetData(), "payload");
}

TEST(Notifications, PostedMessagesReachObservers)
{
    Recorder observer;
    cocos2d::__NotificationCenter* centre = cocos2d::__NotificationCenter::getInstance();
    centre->addObserver(&observer, callfuncO_selector(Recorder::OnNotify), "ccNd_LayerNotify", nullptr);
    centre->addObserver(&observer, callfuncO_selector(Recorder::OnNotify), "game_event", nullptr);

    PostLayerNotification("refresh");
    PostNotification("game_event", "first", "second");
    CNotify* reused = CNotify::create("old", "keep2", "keep3");
    PostNotification("game_event", "new", reused);
    EXPECT_EQ(observer.last, reused);
    PostNotification("game_event", "alone", static_cast<CNotify*>(nullptr));
    PostNotification("nobody_listens", "x", "y");

    EXPECT_EQ(observer.texts,
              (std::vector<std::string>{ "refresh||", "first|second|", "new|keep2|keep3", "alone||" }));
    centre->removeAllObservers(&observer);
}
