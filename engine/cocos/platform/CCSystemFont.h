#ifndef __CC_SYSTEM_FONT_H__
#define __CC_SYSTEM_FONT_H__

#include <memory>
#include <string>
#include <vector>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

/** A TrueType face found for a system font name, used to measure and draw
 *  label text.
 *
 *  Names map to the fonts the machine has: sans-serif names (Arial,
 *  Helvetica, Verdana, Tahoma ...) to DejaVu Sans, monospace names (Courier,
 *  Consolas ...) to DejaVu Sans Mono, serif names (Times, Georgia) to DejaVu
 *  Serif, and CJK names as well as every unknown name to WenQuanYi Zen Hei.
 *  A name that is itself a font file the file utilities can find (.ttf, .ttc,
 *  .otf) is used as that file; a damaged file is not used (the CJK face
 *  stands in). Characters a Latin face lacks are taken from
 *  the CJK face. Sizes are in points; a point is one pixel at the em size,
 *  as with a glyph rasteriser set to 72 dpi. */
class CC_DLL SystemFont
{
public:
    struct Line
    {
        std::u32string text;
        float width;
    };

    /** The shared face for a name; null only when no font file at all exists. */
    static SystemFont* forName(const std::string& fontName);

    /** The file a name resolves to (empty when none exists). */
    static std::string fileForName(const std::string& fontName);

    ~SystemFont();

    const std::string& getFile() const { return _file; }

    float measure(const std::u32string& text, float fontSize) const;
    float lineHeight(float fontSize) const;
    float ascent(float fontSize) const;

    /** Breaks text into lines at '\n' and, when maxWidth > 0, before the
     *  first character that would overflow it: at the last space of the line
     *  when there is one, else between characters (CJK text has no spaces). */
    std::vector<Line> layout(const std::u32string& text, float fontSize, float maxWidth) const;

    /** Adds the coverage of one line into an 8-bit alpha bitmap, with the
     *  pen starting at (x, baseline); clipped to the bitmap. */
    void drawLine(const std::u32string& line, float fontSize, unsigned char* pixels, int width, int height,
                  float x, float baseline) const;

private:
    struct Face;

    SystemFont();
    static std::unique_ptr<SystemFont> load(const std::string& file);

    // The face to use for a character and its glyph index in it.
    const Face* faceFor(char32_t ch, int& glyph) const;
    float advance(char32_t ch, char32_t next, float fontSize) const;
    // How far the character at i moves the pen along its line.
    float penAdvance(const std::u32string& line, size_t i, float fontSize) const;

    std::string _file;
    std::unique_ptr<Face> _face;
    const SystemFont* _fallback;
};

NS_CC_END

#endif
