#ifndef __CC_SOFTWARE_TARGET_H__
#define __CC_SOFTWARE_TARGET_H__

#include <vector>

#include "base/ccTypes.h"
#include "renderer/CCSoftwareStencil.h"

NS_CC_BEGIN

/** What the software renderer draws into: RGBA bytes, top row first, an
 *  8-bit stencil plane of the same size, and the scissor and stencil state
 *  that decide which pixels a draw may touch. Sizes are refused (the target
 *  becomes empty, and every draw into it does nothing) when not positive or
 *  larger than MAX_SIDE on a side. */
class CC_DLL SoftwareTarget
{
public:
    static const int MAX_SIDE = 8192;

    /** Columns x0 <= x < x1 and rows y0 <= y < y1, rows counted from the top. */
    struct Box
    {
        int x0, y0, x1, y1;
        bool empty() const { return x0 >= x1 || y0 >= y1; }
    };

    bool resize(int width, int height);
    int getWidth() const { return _width; }
    int getHeight() const { return _height; }
    bool isEmpty() const { return _width == 0; }

    unsigned char* getPixels() { return _pixels.data(); }
    const unsigned char* getPixels() const { return _pixels.data(); }
    unsigned char* getStencilPlane() { return _stencilPlane.data(); }
    const std::vector<unsigned char>& getPixelData() const { return _pixels; }

    void clear(const Color4F& color);
    void clearStencil(unsigned char value);

    /** The scissor box in GL's window coordinates (origin bottom-left). */
    void setScissorBox(int x, int y, int width, int height);
    void getScissorBox(int box[4]) const;
    void setScissorEnabled(bool enabled) { _scissorEnabled = enabled; }
    bool isScissorEnabled() const { return _scissorEnabled; }

    /** Where a draw may write: the frame, cut to the scissor box when on. */
    Box drawableBox() const;

    SoftwareStencil& stencil() { return _stencil; }
    const SoftwareStencil& stencil() const { return _stencil; }

private:
    std::vector<unsigned char> _pixels;
    std::vector<unsigned char> _stencilPlane;
    int _width = 0;
    int _height = 0;
    int _scissor[4] = {0, 0, 0, 0};
    bool _scissorEnabled = false;
    SoftwareStencil _stencil;
};

NS_CC_END

#endif
