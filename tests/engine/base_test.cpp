// Reference counting, autorelease pools, the retaining containers, the
// notification centre and the random helper.
#include <set>
#include "EngineTestFixture.h"

USING_NS_CC;

namespace {

// Counts its own destruction.
class Tracked : public Ref
{
public:
    explicit Tracked(int* destroyed) : _destroyed(destroyed) {}
    ~Tracked() override { ++*_destroyed; }

private:
    int* _destroyed;
};

} // namespace

class RefAndPoolTest : public EngineTest
{
};

TEST_F(RefAndPoolTest, AutoreleasedObjectLivesUntilTheEndOfTheFrame)
{
    int destroyed = 0;
    auto kept = new Tracked(&destroyed);
    kept->autorelease();
    kept->retain();
    (new Tracked(&destroyed))->autorelease();
    EXPECT_EQ(destroyed, 0);

    director->mainLoop(1.0f / 60);
    EXPECT_EQ(destroyed, 1); // the unretained one
    EXPECT_EQ(kept->getReferenceCount(), 1u);
    kept->release();
    EXPECT_EQ(destroyed, 2);
}

TEST_F(RefAndPoolTest, InnerPoolDrainsAtItsEndAndLeavesTheFramePoolAlone)
{
    int destroyed = 0;
    auto outer = new Tracked(&destroyed);
    outer->autorelease();
    {
        AutoreleasePool pool;
        EXPECT_EQ(PoolManager::getInstance()->getCurrentPool(), &pool);
        (new Tracked(&destroyed))->autorelease();
        EXPECT_FALSE(pool.contains(outer));
    }
    EXPECT_EQ(destroyed, 1);
    EXPECT_TRUE(PoolManager::getInstance()->isObjectInPools(outer));
    director->mainLoop(0);
    EXPECT_EQ(destroyed, 2);
}

TEST_F(RefAndPoolTest, VectorHoldsOneReferencePerElement)
{
    int destroyed = 0;
    auto a = new Tracked(&destroyed);
    auto b = new Tracked(&destroyed);
    {
        Vector<Tracked*> v;
        v.pushBack(a);
        v.pushBack(b);
        v.pushBack(nullptr); // ignored
        EXPECT_EQ(v.size(), 2);
        EXPECT_EQ(a->getReferenceCount(), 2u);

        Vector<Tracked*> copy = v;
        EXPECT_EQ(a->getReferenceCount(), 3u);
        copy = copy; // self-assignment keeps every reference
        EXPECT_EQ(a->getReferenceCount(), 3u);

        v.eraseObject(a);
        EXPECT_EQ(a->getReferenceCount(), 2u);
        v.replace(0, a); // b out, a in
        EXPECT_EQ(b->getReferenceCount(), 2u);
        EXPECT_EQ(v.at(0), a);
    }
    EXPECT_EQ(a->getReferenceCount(), 1u);
    EXPECT_EQ(b->getReferenceCount(), 1u);
    a->release();
    b->release();
    EXPECT_EQ(destroyed, 2);
}

TEST_F(RefAndPoolTest, MapReleasesTheValueItReplaces)
{
    int destroyed = 0;
    Map<std::string, Tracked*> m;
    auto first = new Tracked(&destroyed);
    m.insert("key", first);
    first->release();
    m.insert("key", new Tracked(&destroyed));
    m.at("key")->release();
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(m.size(), 1);
    EXPECT_EQ(m.at("missing"), nullptr);
    m.clear();
    EXPECT_EQ(destroyed, 2);
}

namespace {

class Observer : public Ref
{
public:
    void onNote(Ref* sender)
    {
        senders.push_back(sender);
        if (onCall)
            onCall();
    }
    std::vector<Ref*> senders;
    std::function<void()> onCall;
};

} // namespace

TEST_F(RefAndPoolTest, NotificationsReachObserversOfTheNameAndSender)
{
    auto center = __NotificationCenter::getInstance();
    Observer any, onlyA;
    auto senderA = __Integer::create(1);
    auto senderB = __Integer::create(2);
    center->addObserver(&any, callfuncO_selector(Observer::onNote), "note", nullptr);
    center->addObserver(&any, callfuncO_selector(Observer::onNote), "note", nullptr); // once only
    center->addObserver(&onlyA, callfuncO_selector(Observer::onNote), "note", senderA);

    center->postNotification("note", senderA);
    center->postNotification("note", senderB);
    center->postNotification("other", senderA);
    center->postNotification("note"); // no sender: the observer's own

    ASSERT_EQ(any.senders.size(), 3u);
    EXPECT_EQ(any.senders[0], senderA);
    EXPECT_EQ(any.senders[1], senderB);
    EXPECT_EQ(any.senders[2], nullptr);
    ASSERT_EQ(onlyA.senders.size(), 2u);
    EXPECT_EQ(onlyA.senders[1], senderA);

    EXPECT_EQ(center->removeAllObservers(&any), 1);
    center->removeObserver(&onlyA, "note");
    center->postNotification("note", senderA);
    EXPECT_EQ(any.senders.size(), 3u);
    EXPECT_EQ(onlyA.senders.size(), 2u);
}

TEST_F(RefAndPoolTest, APostReachesTheObserversThereWhenItBegan)
{
    auto center = __NotificationCenter::getInstance();
    Observer first, second, late;
    first.onCall = [&]() {
        center->removeAllObservers(&second);
        center->addObserver(&late, callfuncO_selector(Observer::onNote), "note", nullptr);
    };
    center->addObserver(&first, callfuncO_selector(Observer::onNote), "note", nullptr);
    center->addObserver(&second, callfuncO_selector(Observer::onNote), "note", nullptr);
    center->postNotification("note");
    EXPECT_EQ(first.senders.size(), 1u);
    EXPECT_EQ(second.senders.size(), 1u); // removed during the post, still called in it
    EXPECT_TRUE(late.senders.empty());    // added during it, waits for the next
    first.onCall = nullptr;
    center->postNotification("note");
    EXPECT_EQ(second.senders.size(), 1u);
    EXPECT_EQ(late.senders.size(), 1u);
    center->removeAllObservers(&first);
    center->removeAllObservers(&late);
}

TEST(RandomHelperTest, IntegersCoverBothEndsAndNothingElse)
{
    std::set<int> seen;
    for (int i = 0; i < 400; ++i)
    {
        int v = RandomHelper::random_int(1, 3);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 3);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 3u);
    float f = RandomHelper::random_real(0.5f, 0.75f);
    EXPECT_GE(f, 0.5f);
    EXPECT_LT(f, 0.75f);
}

TEST(StringObjectTest, FormatsWithinItsBoundAndConverts)
{
    auto s = __String::createWithFormat("%d-%s", 42, "x");
    EXPECT_STREQ(s->getCString(), "42-x");
    EXPECT_EQ(__String::create("3.9")->intValue(), 3);
    EXPECT_FALSE(__String::create("0")->boolValue());
    EXPECT_FALSE(__String::create("")->boolValue());
    EXPECT_TRUE(__String::create("yes")->boolValue());
    std::string longText(200 * 1024, 'a');
    auto cut = __String::createWithFormat("%s", longText.c_str());
    EXPECT_EQ(cut->length(), 100 * 1024 - 1);
}

TEST_F(RefAndPoolTest, VectorEditsKeepCountsRight)
{
    int destroyed = 0;
    Vector<Tracked*> v;
    std::vector<Tracked*> raw;
    for (int i = 0; i < 4; ++i)
    {
        raw.push_back(new Tracked(&destroyed));
        v.pushBack(raw.back());
        raw.back()->release();
    }
    v.insert(0, raw[3]);
    EXPECT_EQ(v.getIndex(raw[3]), 0);
    EXPECT_EQ(raw[3]->getReferenceCount(), 2u);
    v.eraseObject(raw[3], true); // both places
    EXPECT_EQ(destroyed, 1);
    v.erase(v.begin(), v.begin() + 2);
    EXPECT_EQ(destroyed, 3);
    EXPECT_EQ(v.size(), 1);
    EXPECT_TRUE(v.contains(raw[2]));
    v.popBack();
    EXPECT_EQ(destroyed, 4);
    EXPECT_TRUE(v.empty());
    EXPECT_EQ(v.getRandomObject(), nullptr);
}

TEST(ValueCollectionsTest, IntegerKeyedMapsAndDescriptions)
{
    ValueMapIntKey byNumber;
    byNumber[3] = Value("three");
    Value v(byNumber);
    EXPECT_EQ(v.getType(), Value::Type::INT_KEY_MAP);
    EXPECT_EQ(v.asIntKeyMap().at(3).asString(), "three");
    ValueMap m;
    m["list"] = Value(ValueVector{Value(1), Value(true)});
    std::string text = Value(m).getDescription();
    EXPECT_NE(text.find("list"), std::string::npos);
    EXPECT_NE(text.find("true"), std::string::npos);
}
