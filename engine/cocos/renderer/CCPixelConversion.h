#ifndef __CC_PIXEL_CONVERSION_H__
#define __CC_PIXEL_CONVERSION_H__

#include "renderer/CCTexture2D.h"

NS_CC_BEGIN

/** Pixels of the uncompressed texture formats to and from RGBA8888, one at a
 *  time. Shared by texture conversion and the software renderer's sampling. */
namespace pixels
{
/** Whether the format is one of the uncompressed ones handled here. */
CC_DLL bool convertible(Texture2D::PixelFormat format);
/** One pixel to RGBA8888; an alpha-only pixel becomes white with that alpha
 *  (the engine's conversion, not what a GPU samples). */
CC_DLL void decodePixel(Texture2D::PixelFormat format, const unsigned char* pixel, unsigned char out[4]);
CC_DLL void encodePixel(Texture2D::PixelFormat format, const unsigned char in[4], unsigned char* pixel);
} // namespace pixels

NS_CC_END

#endif
