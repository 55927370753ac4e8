#include "renderer/CCSoftwareTarget.h"

#include <algorithm>
#include <cstring>

#include "renderer/CCSoftwareBlend.h"

NS_CC_BEGIN

bool SoftwareTarget::resize(int width, int height)
{
    if (width <= 0 || height <= 0 || width > MAX_SIDE || height > MAX_SIDE)
    {
        _width = _height = 0;
        _pixels.clear();
        _stencilPlane.clear();
        return false;
    }
    if (width != _width || height != _height)
    {
        size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
        _pixels.assign(count * 4, 0);
        _stencilPlane.assign(count, 0);
        _width = width;
        _height = height;
    }
    return true;
}

void SoftwareTarget::clear(const Color4F& color)
{
    if (_pixels.empty()) return;
    using blend_detail::toByte;
    const unsigned char rgba[4] = {toByte(color.r), toByte(color.g), toByte(color.b), toByte(color.a)};
    Box box = drawableBox();
    for (int y = box.y0; y < box.y1; ++y)
    {
        unsigned char* row = &_pixels[(static_cast<size_t>(y) * static_cast<size_t>(_width) + static_cast<size_t>(box.x0)) * 4];
        for (int x = box.x0; x < box.x1; ++x, row += 4) std::memcpy(row, rgba, 4);
    }
}

void SoftwareTarget::clearStencil(unsigned char value)
{
    Box box = drawableBox();
    for (int y = box.y0; y < box.y1; ++y)
    {
        unsigned char* row = &_stencilPlane[static_cast<size_t>(y) * static_cast<size_t>(_width)];
        for (int x = box.x0; x < box.x1; ++x)
            row[x] = static_cast<unsigned char>((row[x] & ~_stencil.writeMask) | (value & _stencil.writeMask));
    }
}

void SoftwareTarget::setScissorBox(int x, int y, int width, int height)
{
    _scissor[0] = x;
    _scissor[1] = y;
    _scissor[2] = std::max(0, width);
    _scissor[3] = std::max(0, height);
}

void SoftwareTarget::getScissorBox(int box[4]) const
{
    std::copy(_scissor, _scissor + 4, box);
}

SoftwareTarget::Box SoftwareTarget::drawableBox() const
{
    Box box{0, 0, _width, _height};
    if (!_scissorEnabled) return box;
    // GL's box counts rows from the bottom; 64-bit sums keep huge boxes exact
    long long left = _scissor[0], right = static_cast<long long>(_scissor[0]) + _scissor[2];
    long long bottom = _scissor[1], top = static_cast<long long>(_scissor[1]) + _scissor[3];
    box.x0 = static_cast<int>(std::max<long long>(0, left));
    box.x1 = static_cast<int>(std::min<long long>(_width, right));
    box.y0 = static_cast<int>(std::max<long long>(0, _height - top));
    box.y1 = static_cast<int>(std::min<long long>(_height, _height - bottom));
    return box;
}

NS_CC_END
