// Value conversions as the engine defines them.
#include <gtest/gtest.h>
#include "cocos2d.h"

USING_NS_CC;

TEST(ValueTest, StringsReadAsTheirLeadingNumber)
{
    EXPECT_EQ(Value("3.9").asInt(), 3);
    EXPECT_EQ(Value("abc").asInt(), 0);
    EXPECT_EQ(Value("-12px").asInt(), -12);
    EXPECT_FLOAT_EQ(Value("2.5").asFloat(), 2.5f);
    EXPECT_DOUBLE_EQ(Value("0.125").asDouble(), 0.125);
    EXPECT_EQ(Value("7").asUnsignedInt(), 7u);
    EXPECT_EQ(Value("65").asByte(), 65);
}

TEST(ValueTest, NumbersReadAsDecimalText)
{
    EXPECT_EQ(Value(42).asString(), "42");
    EXPECT_EQ(Value(-3).asString(), "-3");
    EXPECT_EQ(Value(7u).asString(), "7");
    EXPECT_EQ(Value(1.5f).asString(), "1.5000000");
    EXPECT_EQ(Value(0.25).asString(), "0.2500000000000000");
    EXPECT_EQ(Value(true).asString(), "true");
    EXPECT_EQ(Value(false).asString(), "false");
    EXPECT_EQ(Value().asString(), "");
}

TEST(ValueTest, FloatsTruncateTowardZeroAsIntegers)
{
    EXPECT_EQ(Value(2.9f).asInt(), 2);
    EXPECT_EQ(Value(-2.9f).asInt(), -2);
    EXPECT_EQ(Value(3.99).asInt(), 3);
    EXPECT_EQ(Value(true).asInt(), 1);
}

TEST(ValueTest, OnlyZeroAndFalseStringsAreFalse)
{
    EXPECT_FALSE(Value("0").asBool());
    EXPECT_FALSE(Value("false").asBool());
    EXPECT_TRUE(Value("FALSE").asBool());
    EXPECT_TRUE(Value("no").asBool());
    EXPECT_TRUE(Value("").asBool());
    EXPECT_FALSE(Value(0).asBool());
    EXPECT_TRUE(Value(0.5f).asBool());
}

TEST(ValueTest, CollectionsOfTheWrongKindReadAsEmpty)
{
    Value number(5);
    EXPECT_TRUE(number.asValueMap().empty());
    EXPECT_TRUE(number.asValueVector().empty());
    EXPECT_TRUE(number.asIntKeyMap().empty());
    const Value constant("x");
    EXPECT_TRUE(constant.asValueMap().empty());
    // The scratch map handed out for a wrong kind starts empty each time.
    number.asValueMap()["junk"] = Value(1);
    EXPECT_TRUE(number.asValueMap().empty());
    EXPECT_EQ(number.getType(), Value::Type::INTEGER);
}

TEST(ValueTest, CopiesAreDeepAndMovesEmptyTheSource)
{
    ValueMap inner;
    inner["n"] = Value(1);
    ValueVector list;
    list.push_back(Value(inner));
    Value original(list);

    Value copy = original;
    copy.asValueVector()[0].asValueMap()["n"] = Value(2);
    EXPECT_EQ(original.asValueVector()[0].asValueMap().at("n").asInt(), 1);
    EXPECT_EQ(copy.asValueVector()[0].asValueMap().at("n").asInt(), 2);

    Value moved = std::move(copy);
    EXPECT_TRUE(copy.isNull());
    EXPECT_EQ(moved.asValueVector().size(), 1u);

    moved = Value("text"); // a collection replaced by a string
    EXPECT_EQ(moved.getType(), Value::Type::STRING);
    EXPECT_EQ(moved.asString(), "text");
}

TEST(ValueTest, EqualityComparesKindAndContent)
{
    EXPECT_EQ(Value(1), Value(1));
    EXPECT_NE(Value(1), Value(1u));
    EXPECT_NE(Value(1), Value("1"));
    EXPECT_EQ(Value(0.1f), Value(0.1f));
    EXPECT_EQ(Value(), Value::Null);
    ValueMap a, b;
    a["k"] = Value("v");
    b["k"] = Value("v");
    EXPECT_EQ(Value(a), Value(b));
    b["k"] = Value("w");
    EXPECT_NE(Value(a), Value(b));
}
