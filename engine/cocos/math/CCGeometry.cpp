#include "math/CCGeometry.h"

#include <algorithm>

NS_CC_BEGIN

const Size Size::ZERO = Size(0, 0);
const Rect Rect::ZERO = Rect(0, 0, 0, 0);

bool Size::equals(const Size& target) const
{
    return (fabsf(this->width - target.width) < FLT_EPSILON) && (fabsf(this->height - target.height) < FLT_EPSILON);
}

void Rect::setRect(float x, float y, float width, float height)
{
    origin.x = x;
    origin.y = y;
    size.width = width;
    size.height = height;
}

bool Rect::equals(const Rect& rect) const
{
    return (origin.equals(rect.origin) && size.equals(rect.size));
}

bool Rect::containsPoint(const Vec2& point) const
{
    return point.x >= getMinX() && point.x <= getMaxX() && point.y >= getMinY() && point.y <= getMaxY();
}

bool Rect::intersectsRect(const Rect& rect) const
{
    return !(getMaxX() < rect.getMinX() || rect.getMaxX() < getMinX() || getMaxY() < rect.getMinY() ||
             rect.getMaxY() < getMinY());
}

bool Rect::intersectsCircle(const Vec2& center, float radius) const
{
    Vec2 rectangleCenter((origin.x + size.width / 2), (origin.y + size.height / 2));
    float w = size.width / 2;
    float h = size.height / 2;
    float dx = fabsf(center.x - rectangleCenter.x);
    float dy = fabsf(center.y - rectangleCenter.y);
    if (dx > (radius + w) || dy > (radius + h))
        return false;
    Vec2 circleDistance(fabsf(center.x - origin.x - w), fabsf(center.y - origin.y - h));
    if (circleDistance.x <= (w))
        return true;
    if (circleDistance.y <= (h))
        return true;
    float cornerDistanceSq = powf(circleDistance.x - w, 2) + powf(circleDistance.y - h, 2);
    return (cornerDistanceSq <= (powf(radius, 2)));
}

Rect Rect::unionWithRect(const Rect& rect) const
{
    float thisLeftX = origin.x;
    float thisRightX = origin.x + size.width;
    float thisTopY = origin.y + size.height;
    float thisBottomY = origin.y;
    if (thisRightX < thisLeftX)
        std::swap(thisRightX, thisLeftX);
    if (thisTopY < thisBottomY)
        std::swap(thisTopY, thisBottomY);

    float otherLeftX = rect.origin.x;
    float otherRightX = rect.origin.x + rect.size.width;
    float otherTopY = rect.origin.y + rect.size.height;
    float otherBottomY = rect.origin.y;
    if (otherRightX < otherLeftX)
        std::swap(otherRightX, otherLeftX);
    if (otherTopY < otherBottomY)
        std::swap(otherTopY, otherBottomY);

    float combinedLeftX = std::min(thisLeftX, otherLeftX);
    float combinedRightX = std::max(thisRightX, otherRightX);
    float combinedTopY = std::max(thisTopY, otherTopY);
    float combinedBottomY = std::min(thisBottomY, otherBottomY);
    return Rect(combinedLeftX, combinedBottomY, combinedRightX - combinedLeftX, combinedTopY - combinedBottomY);
}

void Rect::merge(const Rect& rect)
{
    float minX = std::min(getMinX(), rect.getMinX());
    float minY = std::min(getMinY(), rect.getMinY());
    float maxX = std::max(getMaxX(), rect.getMaxX());
    float maxY = std::max(getMaxY(), rect.getMaxY());
    setRect(minX, minY, maxX - minX, maxY - minY);
}

NS_CC_END
