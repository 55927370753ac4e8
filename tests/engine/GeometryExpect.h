#pragma once

#include <gtest/gtest.h>
#include <sstream>
#include "math/CCGeometry.h"

// Sizes and rectangles have no operator== (as in the real engine): tests
// compare them with EXPECT_SAME, which says what both were.
inline std::ostream& describeGeometry(std::ostream& out, const cocos2d::Size& s)
{
    return out << "(" << s.width << " x " << s.height << ")";
}

inline std::ostream& describeGeometry(std::ostream& out, const cocos2d::Vec2& p)
{
    return out << "(" << p.x << ", " << p.y << ")";
}

inline std::ostream& describeGeometry(std::ostream& out, const cocos2d::Rect& r)
{
    return out << "(" << r.origin.x << ", " << r.origin.y << ", " << r.size.width << " x " << r.size.height << ")";
}

template <typename T>
::testing::AssertionResult sameGeometry(const char* firstText, const char* secondText, const T& first,
                                        const T& second)
{
    if (first.equals(second))
        return ::testing::AssertionSuccess();
    std::ostringstream message;
    message << firstText << " is ";
    describeGeometry(message, first) << " but " << secondText << " is ";
    describeGeometry(message, second);
    return ::testing::AssertionFailure() << message.str();
}

#define EXPECT_SAME(first, second) EXPECT_PRED_FORMAT2(sameGeometry, first, second)
