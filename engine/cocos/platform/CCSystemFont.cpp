#include "platform/CCSystemFont.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <map>

#include "base/CCData.h"
#include "platform/CCFileUtils.h"

#define STBTT_STATIC
#define STB_TRUETYPE_IMPLEMENTATION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#endif
#include "stb_truetype.h"
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

NS_CC_BEGIN

struct SystemFont::Face
{
    std::vector<unsigned char> bytes;
    stbtt_fontinfo info;
    float unitsPerEm;
    int ascent, descent, lineGap;
};

namespace {

enum class Family
{
    Sans,
    SansBold,
    Mono,
    Serif,
    Cjk
};

std::string lower(const std::string& s)
{
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool contains(const std::string& s, const char* part)
{
    return s.find(part) != std::string::npos;
}

Family familyOf(const std::string& fontName)
{
    std::string n = lower(fontName);
    if (contains(n, "mono") || contains(n, "courier") || contains(n, "consol") || contains(n, "menlo"))
        return Family::Mono;
    if (contains(n, "times") || contains(n, "georgia") || n == "serif" || contains(n, "dejavu serif"))
        return Family::Serif;
    if (contains(n, "arial") || contains(n, "helvetica") || contains(n, "verdana") || contains(n, "tahoma")
        || contains(n, "dejavu") || contains(n, "sans-serif") || n == "sans")
        return contains(n, "bold") ? Family::SansBold : Family::Sans;
    // CJK names (SimSun, SimHei, Microsoft YaHei, 宋体, 黑体 ...) and every unknown name
    return Family::Cjk;
}

const char* fileOf(Family f)
{
    switch (f)
    {
    case Family::Sans: return "dejavu/DejaVuSans.ttf";
    case Family::SansBold: return "dejavu/DejaVuSans-Bold.ttf";
    case Family::Mono: return "dejavu/DejaVuSansMono.ttf";
    case Family::Serif: return "dejavu/DejaVuSerif.ttf";
    case Family::Cjk: break;
    }
    return "wqy/wqy-zenhei.ttc";
}

bool fileExists(const std::string& path)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

std::string systemFile(Family f)
{
    std::vector<std::string> dirs;
#ifdef _WIN32
    // The Debian fonts are reachable through Wine's drive Z:.
    dirs.push_back("Z:/usr/share/fonts/truetype/");
#endif
    dirs.push_back("/usr/share/fonts/truetype/");
    for (const std::string& d : dirs)
    {
        std::string p = d + fileOf(f);
        if (fileExists(p)) return p;
    }
#ifdef _WIN32
    if (const char* windir = std::getenv("WINDIR"))
    {
        static const char* const windowsFonts[] = {"msyh.ttc", "simhei.ttf", "simsun.ttc", "arial.ttf"};
        for (const char* name : windowsFonts)
        {
            std::string p = std::string(windir) + "/Fonts/" + name;
            if (fileExists(p)) return p;
        }
    }
#endif
    return f == Family::Cjk ? std::string() : systemFile(Family::Cjk);
}

bool isFontFileName(const std::string& name)
{
    std::string n = lower(name);
    auto endsWith = [&n](const char* ext) {
        size_t len = std::char_traits<char>::length(ext);
        return n.size() > len && n.compare(n.size() - len, len, ext) == 0;
    };
    return endsWith(".ttf") || endsWith(".ttc") || endsWith(".otf");
}

uint32_t be32(const std::vector<unsigned char>& b, size_t at)
{
    return (static_cast<uint32_t>(b[at]) << 24) | (static_cast<uint32_t>(b[at + 1]) << 16) |
           (static_cast<uint32_t>(b[at + 2]) << 8) | b[at + 3];
}

uint16_t be16(const std::vector<unsigned char>& b, size_t at)
{
    return static_cast<uint16_t>((b[at] << 8) | b[at + 1]);
}

// Composite glyphs name other glyphs as their parts; the glyph reader follows
// them recursively. Every part list must lie within its glyph, name existing
// glyphs, and no glyph may end up containing itself.
bool compositesAreSound(const std::vector<unsigned char>& b, size_t glyf, const std::vector<size_t>& starts)
{
    size_t numGlyphs = starts.size() - 1;
    std::vector<std::vector<uint16_t>> parts(numGlyphs);
    for (size_t g = 0; g < numGlyphs; ++g)
    {
        size_t begin = starts[g], end = starts[g + 1];
        if (end <= begin) continue; // empty glyph
        if (end - begin < 10) return false;
        if (static_cast<int16_t>(be16(b, glyf + begin)) >= 0) continue; // a simple outline
        size_t at = begin + 10;
        for (;;)
        {
            if (at + 4 > end) return false;
            uint16_t flags = be16(b, glyf + at);
            uint16_t part = be16(b, glyf + at + 2);
            if (part >= numGlyphs) return false;
            parts[g].push_back(part);
            at += 4 + ((flags & 0x0001) ? 4 : 2);
            if (flags & 0x0008) at += 2;
            else if (flags & 0x0040) at += 4;
            else if (flags & 0x0080) at += 8;
            if (at > end) return false;
            if (!(flags & 0x0020)) break;
        }
    }
    // depth-first search for a loop, without recursion
    std::vector<unsigned char> state(numGlyphs, 0); // 0 new, 1 on the path, 2 done
    std::vector<std::pair<size_t, size_t>> stack;
    for (size_t root = 0; root < numGlyphs; ++root)
    {
        if (state[root] || parts[root].empty()) continue;
        stack.emplace_back(root, 0);
        state[root] = 1;
        while (!stack.empty())
        {
            size_t g = stack.back().first;
            size_t& next = stack.back().second;
            if (next == parts[g].size())
            {
                state[g] = 2;
                stack.pop_back();
                continue;
            }
            size_t part = parts[g][next++];
            if (state[part] == 1) return false;
            if (state[part] == 0)
            {
                state[part] = 1;
                stack.emplace_back(part, 0);
            }
        }
    }
    return true;
}

// The glyph reader trusts the offsets inside the file. A file from the game's
// resources may be damaged, so the tables it reads are checked to lie within
// the file first: the table directory, the horizontal metrics, the glyph
// locations and the character map's subtables.
bool fontLooksSound(const std::vector<unsigned char>& b, size_t face, size_t size)
{
    if (face + 12 > size) return false;
    size_t numTables = be16(b, face + 4);
    if (face + 12 + numTables * 16 > size) return false;
    size_t cmap = 0, cmapLen = 0, head = 0, hhea = 0, hmtx = 0, hmtxLen = 0, maxp = 0, loca = 0, locaLen = 0,
           glyf = 0, glyfLen = 0;
    bool cff = false;
    for (size_t i = 0; i < numTables; ++i)
    {
        size_t rec = face + 12 + i * 16;
        uint32_t offset = be32(b, rec + 8), length = be32(b, rec + 12);
        if (offset > size || length > size - offset) return false;
        std::string tag(reinterpret_cast<const char*>(&b[rec]), 4);
        if (tag == "cmap") { cmap = offset; cmapLen = length; }
        else if (tag == "head" && length >= 54) head = offset;
        else if (tag == "hhea" && length >= 36) hhea = offset;
        else if (tag == "hmtx") { hmtx = offset; hmtxLen = length; }
        else if (tag == "maxp" && length >= 6) maxp = offset;
        else if (tag == "loca") { loca = offset; locaLen = length; }
        else if (tag == "glyf") { glyf = offset; glyfLen = length; }
        else if (tag == "CFF ") cff = true;
    }
    if (!cmap || !head || !hhea || !hmtx || !maxp || cmapLen < 4) return false;
    size_t numGlyphs = be16(b, maxp + 4);
    size_t numHMetrics = be16(b, hhea + 34);
    if (numHMetrics == 0 || numHMetrics * 4 > hmtxLen) return false;
    if (!cff)
    {
        if (!loca) return false;
        bool longOffsets = be16(b, head + 50) != 0;
        size_t entry = longOffsets ? 4 : 2;
        if ((numGlyphs + 1) * entry > locaLen) return false;
        std::vector<size_t> starts(numGlyphs + 1);
        for (size_t g = 0; g <= numGlyphs; ++g)
        {
            size_t at = loca + g * entry;
            starts[g] = longOffsets ? be32(b, at) : static_cast<size_t>(be16(b, at)) * 2;
            if (starts[g] > glyfLen) return false;
        }
        if (!compositesAreSound(b, glyf, starts)) return false;
    }
    size_t numSubtables = be16(b, cmap + 2);
    if (4 + numSubtables * 8 > cmapLen) return false;
    for (size_t i = 0; i < numSubtables; ++i)
    {
        uint32_t sub = be32(b, cmap + 4 + i * 8 + 4);
        if (sub + 4 > cmapLen) return false;
        uint16_t format = be16(b, cmap + sub);
        size_t length = format >= 8 ? be32(b, cmap + sub + 4) : be16(b, cmap + sub + 2);
        if (length > cmapLen - sub) return false;
    }
    return true;
}

bool isBreakSpace(char32_t c)
{
    return c == U' ' || c == U'\t';
}

} // namespace

SystemFont::SystemFont() : _fallback(nullptr) {}

SystemFont::~SystemFont() {}

std::string SystemFont::fileForName(const std::string& fontName)
{
    if (isFontFileName(fontName))
    {
        std::string full = FileUtils::getInstance()->fullPathForFilename(fontName);
        if (!full.empty()) return full;
    }
    return systemFile(familyOf(fontName));
}

std::unique_ptr<SystemFont> SystemFont::load(const std::string& file)
{
    std::unique_ptr<SystemFont> font(new SystemFont());
    font->_file = file;
    std::unique_ptr<Face> face(new Face());
    Data data = FileUtils::getInstance()->getDataFromFile(file);
    size_t fileSize = static_cast<size_t>(data.getSize());
    if (data.isNull() || fileSize < 12) return nullptr;
    // zeros after the file: an outline whose point counts run past its glyph
    // reads them instead of memory that is not the font's
    face->bytes.assign(data.getBytes(), data.getBytes() + fileSize);
    face->bytes.resize(fileSize + 512 * 1024, 0);
    // a collection starts with "ttcf" and the offset of each face
    const std::vector<unsigned char>& b = face->bytes;
    if (b[0] == 't' && b[1] == 't' && b[2] == 'c' && b[3] == 'f' && (fileSize < 16 || be32(b, 8) == 0)) return nullptr;
    int offset = stbtt_GetFontOffsetForIndex(b.data(), 0);
    if (offset < 0 || static_cast<size_t>(offset) >= fileSize) return nullptr;
    if (!fontLooksSound(b, static_cast<size_t>(offset), fileSize)) return nullptr;
    if (!stbtt_InitFont(&face->info, face->bytes.data(), offset)) return nullptr;
    stbtt_GetFontVMetrics(&face->info, &face->ascent, &face->descent, &face->lineGap);
    // the em size: the scale that maps one em to one pixel, inverted
    float scale = stbtt_ScaleForMappingEmToPixels(&face->info, 1.0f);
    if (!(scale > 0) || std::isinf(scale)) return nullptr; // an em of zero units
    face->unitsPerEm = 1.0f / scale;
    font->_face = std::move(face);
    return font;
}

SystemFont* SystemFont::forName(const std::string& fontName)
{
    static std::map<std::string, std::unique_ptr<SystemFont>> loaded;
    static std::map<std::string, SystemFont*> byName;

    auto known = byName.find(fontName);
    if (known != byName.end()) return known->second;

    auto get = [](const std::string& file) -> SystemFont* {
        if (file.empty()) return nullptr;
        auto it = loaded.find(file);
        if (it != loaded.end()) return it->second.get();
        std::unique_ptr<SystemFont> font = load(file);
        SystemFont* raw = font.get();
        loaded[file] = std::move(font); // a file that failed to load stays null
        return raw;
    };

    std::string cjkFile = systemFile(Family::Cjk);
    SystemFont* font = get(fileForName(fontName));
    SystemFont* cjk = get(cjkFile);
    if (!font) font = cjk;
    if (font && font != cjk && !font->_fallback) font->_fallback = cjk;
    byName[fontName] = font;
    return font;
}

const SystemFont::Face* SystemFont::faceFor(char32_t ch, int& glyph) const
{
    glyph = stbtt_FindGlyphIndex(&_face->info, static_cast<int>(ch));
    if (glyph == 0 && _fallback)
    {
        int other = stbtt_FindGlyphIndex(&_fallback->_face->info, static_cast<int>(ch));
        if (other != 0)
        {
            glyph = other;
            return _fallback->_face.get();
        }
    }
    return _face.get();
}

float SystemFont::advance(char32_t ch, char32_t next, float fontSize) const
{
    int glyph;
    const Face* face = faceFor(ch, glyph);
    int adv = 0, lsb = 0;
    stbtt_GetGlyphHMetrics(&face->info, glyph, &adv, &lsb);
    float units = static_cast<float>(adv);
    if (next)
    {
        int nextGlyph;
        if (faceFor(next, nextGlyph) == face)
            units += static_cast<float>(stbtt_GetGlyphKernAdvance(&face->info, glyph, nextGlyph));
    }
    return units * fontSize / face->unitsPerEm;
}

float SystemFont::penAdvance(const std::u32string& line, size_t i, float fontSize) const
{
    const char32_t c = line[i];
    // '\b' keeps the pen where it is for the character after it (a text
    // field's cursor takes no room).
    if (c == U'\n' || c == U'\r' || c == U'\b' || (i > 0 && line[i - 1] == U'\b')) return 0;
    return advance(c, i + 1 < line.size() ? line[i + 1] : 0, fontSize);
}

float SystemFont::measure(const std::u32string& text, float fontSize) const
{
    float width = 0;
    for (size_t i = 0; i < text.size(); ++i)
        width += penAdvance(text, i, fontSize);
    return width;
}

float SystemFont::lineHeight(float fontSize) const
{
    return static_cast<float>(_face->ascent - _face->descent + _face->lineGap) * fontSize / _face->unitsPerEm;
}

float SystemFont::ascent(float fontSize) const
{
    return static_cast<float>(_face->ascent) * fontSize / _face->unitsPerEm;
}

std::vector<SystemFont::Line> SystemFont::layout(const std::u32string& text, float fontSize, float maxWidth) const
{
    std::vector<Line> lines;
    std::u32string current;
    size_t lastSpace = std::u32string::npos;
    auto finish = [&]() {
        lines.push_back(Line{current, measure(current, fontSize)});
        current.clear();
        lastSpace = std::u32string::npos;
    };
    for (char32_t c : text)
    {
        if (c == U'\r') continue;
        if (c == U'\n')
        {
            finish();
            continue;
        }
        if (maxWidth > 0 && !current.empty() && !isBreakSpace(c) && measure(current + c, fontSize) > maxWidth)
        {
            if (lastSpace != std::u32string::npos)
            {
                std::u32string rest = current.substr(lastSpace + 1);
                current.erase(lastSpace);
                finish();
                current = rest;
            }
            else finish();
        }
        if (isBreakSpace(c)) lastSpace = current.size();
        current += c;
    }
    if (!current.empty() || lines.empty() || text.back() == U'\n') finish();
    return lines;
}

void SystemFont::drawLine(const std::u32string& line, float fontSize, unsigned char* pixels, int width, int height,
                          float x, float baseline) const
{
    float pen = x;
    for (size_t i = 0; i < line.size(); ++i)
    {
        if (line[i] == U'\b') continue;
        int glyph;
        const Face* face = faceFor(line[i], glyph);
        float scale = fontSize / face->unitsPerEm;
        int x0, y0, x1, y1;
        stbtt_GetGlyphBitmapBox(&face->info, glyph, scale, scale, &x0, &y0, &x1, &y1);
        int gw = x1 - x0, gh = y1 - y0;
        if (gw > 0 && gh > 0 && gw < 4096 && gh < 4096)
        {
            std::vector<unsigned char> glyphPixels(static_cast<size_t>(gw) * gh);
            stbtt_MakeGlyphBitmap(&face->info, glyphPixels.data(), gw, gh, gw, scale, scale, glyph);
            int ox = static_cast<int>(std::floor(pen)) + x0;
            int oy = static_cast<int>(std::floor(baseline)) + y0;
            for (int gy = 0; gy < gh; ++gy)
            {
                int py = oy + gy;
                if (py < 0 || py >= height) continue;
                for (int gx = 0; gx < gw; ++gx)
                {
                    int px = ox + gx;
                    if (px < 0 || px >= width) continue;
                    unsigned char& dst = pixels[static_cast<size_t>(py) * width + px];
                    dst = static_cast<unsigned char>(std::min(255, dst + glyphPixels[static_cast<size_t>(gy) * gw + gx]));
                }
            }
        }
        pen += penAdvance(line, i, fontSize);
    }
}

NS_CC_END
