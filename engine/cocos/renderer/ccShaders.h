#ifndef __CCSHADER_H__
#define __CCSHADER_H__

#include "platform/CCGL.h"
#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

// Sources of the engine's standard programs. They are kept with their
// programs (there is no GPU to compile them for), so games that pair their
// own fragment shader with a standard vertex shader get the same text.
extern CC_DLL const GLchar* ccPosition_uColor_frag;
extern CC_DLL const GLchar* ccPosition_uColor_vert;

extern CC_DLL const GLchar* ccPositionColor_frag;
extern CC_DLL const GLchar* ccPositionColor_vert;

extern CC_DLL const GLchar* ccPositionColorTextureAsPointsize_vert;

extern CC_DLL const GLchar* ccPositionTexture_frag;
extern CC_DLL const GLchar* ccPositionTexture_vert;

extern CC_DLL const GLchar* ccPositionTextureA8Color_frag;
extern CC_DLL const GLchar* ccPositionTextureA8Color_vert;

extern CC_DLL const GLchar* ccPositionTextureColor_frag;
extern CC_DLL const GLchar* ccPositionTextureColor_vert;

extern CC_DLL const GLchar* ccPositionTextureColor_noMVP_frag;
extern CC_DLL const GLchar* ccPositionTextureColor_noMVP_vert;

extern CC_DLL const GLchar* ccPositionTextureColorAlphaTest_frag;

extern CC_DLL const GLchar* ccPositionTexture_uColor_frag;
extern CC_DLL const GLchar* ccPositionTexture_uColor_vert;

extern CC_DLL const GLchar* ccPositionColorLengthTexture_frag;
extern CC_DLL const GLchar* ccPositionColorLengthTexture_vert;

extern CC_DLL const GLchar* ccPositionTexture_GrayScale_frag;

extern CC_DLL const GLchar* ccLabelDistanceFieldNormal_frag;
extern CC_DLL const GLchar* ccLabelDistanceFieldGlow_frag;
extern CC_DLL const GLchar* ccLabelNormal_frag;
extern CC_DLL const GLchar* ccLabelOutline_frag;
extern CC_DLL const GLchar* ccLabel_vert;

extern CC_DLL const GLchar* cc3D_PositionTex_vert;
extern CC_DLL const GLchar* cc3D_ColorTex_frag;

NS_CC_END

#endif
