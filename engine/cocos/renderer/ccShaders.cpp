#include "renderer/ccShaders.h"

#define STRINGIFY(A) #A

NS_CC_BEGIN

// Uniforms every program gets (CC_PMatrix, CC_MVMatrix, CC_MVPMatrix,
// CC_Texture0 ...) are declared by GLProgram ahead of each source.

// Sources used by more than one program, defined once.
namespace {

constexpr const GLchar* kVertexColourFrag = STRINGIFY(
varying lowp vec4 v_fragmentColor;
void main()
{
    gl_FragColor = v_fragmentColor;
}
);

constexpr const GLchar* kTexturedColourVert = STRINGIFY(
attribute vec4 a_position;
attribute vec2 a_texCoord;
attribute vec4 a_color;
varying lowp vec4 v_fragmentColor;
varying mediump vec2 v_texCoord;
void main()
{
    gl_Position = CC_MVPMatrix * a_position;
    v_fragmentColor = a_color;
    v_texCoord = a_texCoord;
}
);

constexpr const GLchar* kTexturedColourFrag = STRINGIFY(
varying lowp vec4 v_fragmentColor;
varying vec2 v_texCoord;
void main()
{
    gl_FragColor = v_fragmentColor * texture2D(CC_Texture0, v_texCoord);
}
);

constexpr const GLchar* kProjectedTexturedColourVert = STRINGIFY(
attribute vec4 a_position;
attribute vec2 a_texCoord;
attribute vec4 a_color;
varying lowp vec4 v_fragmentColor;
varying mediump vec2 v_texCoord;
void main()
{
    gl_Position = CC_PMatrix * a_position;
    v_fragmentColor = a_color;
    v_texCoord = a_texCoord;
}
);

constexpr const GLchar* kTexturedVert = STRINGIFY(
attribute vec4 a_position;
attribute vec2 a_texCoord;
varying mediump vec2 v_texCoord;
void main()
{
    gl_Position = CC_MVPMatrix * a_position;
    v_texCoord = a_texCoord;
}
);

} // namespace

const GLchar* ccPosition_uColor_vert = STRINGIFY(
attribute vec4 a_position;
uniform vec4 u_color;
uniform float u_pointSize;
varying lowp vec4 v_fragmentColor;
void main()
{
    gl_Position = CC_MVPMatrix * a_position;
    gl_PointSize = u_pointSize;
    v_fragmentColor = u_color;
}
);

const GLchar* ccPosition_uColor_frag = kVertexColourFrag;

const GLchar* ccPositionColor_vert = STRINGIFY(
attribute vec4 a_position;
attribute vec4 a_color;
varying lowp vec4 v_fragmentColor;
void main()
{
    gl_Position = CC_MVPMatrix * a_position;
    v_fragmentColor = a_color;
}
);

const GLchar* ccPositionColor_frag = kVertexColourFrag;

const GLchar* ccPositionColorTextureAsPointsize_vert = STRINGIFY(
attribute vec4 a_position;
attribute vec4 a_color;
attribute vec2 a_texCoord;
varying lowp vec4 v_fragmentColor;
void main()
{
    gl_Position = CC_MVPMatrix * a_position;
    gl_PointSize = a_texCoord.x;
    v_fragmentColor = a_color;
}
);

const GLchar* ccPositionTexture_vert = kTexturedVert;

const GLchar* ccPositionTexture_frag = STRINGIFY(
varying vec2 v_texCoord;
void main()
{
    gl_FragColor = texture2D(CC_Texture0, v_texCoord);
}
);

const GLchar* ccPositionTextureA8Color_vert = kTexturedColourVert;

const GLchar* ccPositionTextureA8Color_frag = STRINGIFY(
varying lowp vec4 v_fragmentColor;
varying vec2 v_texCoord;
void main()
{
    gl_FragColor = vec4(v_fragmentColor.rgb, v_fragmentColor.a * texture2D(CC_Texture0, v_texCoord).a);
}
);

const GLchar* ccPositionTextureColor_vert = kTexturedColourVert;

const GLchar* ccPositionTextureColor_frag = kTexturedColourFrag;

// Vertices already in world space (sprites in auto-batched quads): only the
// projection is applied.
const GLchar* ccPositionTextureColor_noMVP_vert = kProjectedTexturedColourVert;

const GLchar* ccPositionTextureColor_noMVP_frag = kTexturedColourFrag;

const GLchar* ccPositionTextureColorAlphaTest_frag = STRINGIFY(
varying lowp vec4 v_fragmentColor;
varying vec2 v_texCoord;
uniform float CC_alpha_value;
void main()
{
    vec4 texColor = texture2D(CC_Texture0, v_texCoord);
    if (texColor.a <= CC_alpha_value)
        discard;
    gl_FragColor = texColor * v_fragmentColor;
}
);

const GLchar* ccPositionTexture_uColor_vert = kTexturedVert;

const GLchar* ccPositionTexture_uColor_frag = STRINGIFY(
uniform vec4 u_color;
varying vec2 v_texCoord;
void main()
{
    gl_FragColor = texture2D(CC_Texture0, v_texCoord) * u_color;
}
);

const GLchar* ccPositionColorLengthTexture_vert = STRINGIFY(
attribute mediump vec4 a_position;
attribute mediump vec2 a_texCoord;
attribute mediump vec4 a_color;
varying mediump vec4 v_color;
varying mediump vec2 v_texcoord;
void main()
{
    v_color = vec4(a_color.rgb * a_color.a, a_color.a);
    v_texcoord = a_texCoord;
    gl_Position = CC_MVPMatrix * a_position;
}
);

const GLchar* ccPositionColorLengthTexture_frag = STRINGIFY(
varying mediump vec4 v_color;
varying mediump vec2 v_texcoord;
void main()
{
    gl_FragColor = v_color * step(0.0, 1.0 - length(v_texcoord));
}
);

const GLchar* ccPositionTexture_GrayScale_frag = STRINGIFY(
varying lowp vec4 v_fragmentColor;
varying vec2 v_texCoord;
void main()
{
    vec4 c = texture2D(CC_Texture0, v_texCoord);
    float grey = dot(c.rgb, vec3(0.2126, 0.7152, 0.0722));
    gl_FragColor = v_fragmentColor * vec4(grey, grey, grey, c.a);
}
);

const GLchar* ccLabel_vert = kProjectedTexturedColourVert;

const GLchar* ccLabelNormal_frag = STRINGIFY(
varying lowp vec4 v_fragmentColor;
varying vec2 v_texCoord;
uniform vec4 u_textColor;
void main()
{
    gl_FragColor = v_fragmentColor * vec4(u_textColor.rgb, u_textColor.a * texture2D(CC_Texture0, v_texCoord).a);
}
);

const GLchar* ccLabelOutline_frag = STRINGIFY(
varying lowp vec4 v_fragmentColor;
varying vec2 v_texCoord;
uniform vec4 u_effectColor;
uniform vec4 u_textColor;
void main()
{
    vec4 sample = texture2D(CC_Texture0, v_texCoord);
    float fontAlpha = sample.a;
    float outlineAlpha = sample.r;
    if ((fontAlpha + outlineAlpha) > 0.0)
    {
        vec4 color = u_textColor * fontAlpha + u_effectColor * (1.0 - fontAlpha);
        gl_FragColor = v_fragmentColor * vec4(color.rgb, max(fontAlpha, outlineAlpha) * color.a);
    }
    else
        discard;
}
);

const GLchar* ccLabelDistanceFieldNormal_frag = STRINGIFY(
varying lowp vec4 v_fragmentColor;
varying vec2 v_texCoord;
uniform vec4 u_textColor;
void main()
{
    float dist = texture2D(CC_Texture0, v_texCoord).a;
    float alpha = smoothstep(0.5 - 0.04, 0.5 + 0.04, dist) * u_textColor.a;
    gl_FragColor = v_fragmentColor * vec4(u_textColor.rgb, alpha);
}
);

const GLchar* ccLabelDistanceFieldGlow_frag = STRINGIFY(
varying lowp vec4 v_fragmentColor;
varying vec2 v_texCoord;
uniform vec4 u_effectColor;
uniform vec4 u_textColor;
void main()
{
    float dist = texture2D(CC_Texture0, v_texCoord).a;
    float alpha = smoothstep(0.46, 0.54, dist);
    float glow = smoothstep(0.0, 0.5, dist);
    vec4 color = u_textColor * alpha + u_effectColor * (glow - alpha);
    gl_FragColor = v_fragmentColor * color;
}
);

const GLchar* cc3D_PositionTex_vert = STRINGIFY(
attribute vec4 a_position;
attribute vec2 a_texCoord;
varying vec2 TextureCoordOut;
void main(void)
{
    gl_Position = CC_MVPMatrix * a_position;
    TextureCoordOut = a_texCoord;
    TextureCoordOut.y = 1.0 - TextureCoordOut.y;
}
);

const GLchar* cc3D_ColorTex_frag = STRINGIFY(
varying mediump vec2 TextureCoordOut;
uniform vec4 u_color;
void main(void)
{
    gl_FragColor = texture2D(CC_Texture0, TextureCoordOut) * u_color;
}
);

NS_CC_END
