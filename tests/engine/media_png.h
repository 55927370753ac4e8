// A minimal PNG encoder for test fixtures: 8-bit grey, grey+alpha, RGB, RGBA
// or paletted images, stored uncompressed (deflate "stored" blocks).
#ifndef TESTS_ENGINE_MEDIA_PNG_H
#define TESTS_ENGINE_MEDIA_PNG_H

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace media_test {

enum PngColor
{
    PNG_GREY = 0,
    PNG_RGB = 2,
    PNG_PALETTE = 3,
    PNG_GREY_ALPHA = 4,
    PNG_RGBA = 6
};

inline uint32_t pngCrc(const std::string& bytes)
{
    uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : bytes)
    {
        c ^= b;
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return c ^ 0xFFFFFFFFu;
}

inline void putBE32(std::string& out, uint32_t v)
{
    out += static_cast<char>(v >> 24);
    out += static_cast<char>(v >> 16);
    out += static_cast<char>(v >> 8);
    out += static_cast<char>(v);
}

inline void pngChunk(std::string& out, const char* type, const std::string& data)
{
    putBE32(out, static_cast<uint32_t>(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    putBE32(out, pngCrc(body));
}

inline int pngChannels(PngColor color)
{
    switch (color)
    {
    case PNG_GREY: return 1;
    case PNG_GREY_ALPHA: return 2;
    case PNG_RGB: return 3;
    case PNG_RGBA: return 4;
    case PNG_PALETTE: return 1;
    }
    return 1;
}

// pixels: rows top first, pngChannels(color) bytes a pixel. For PNG_PALETTE
// the palette is RGB triples and trns (optional) the alpha of each entry.
inline std::string encodePng(int w, int h, PngColor color, const std::vector<unsigned char>& pixels,
                             const std::vector<unsigned char>& palette = {},
                             const std::vector<unsigned char>& trns = {})
{
    std::string out("\x89PNG\r\n\x1a\n", 8);
    std::string ihdr;
    putBE32(ihdr, static_cast<uint32_t>(w));
    putBE32(ihdr, static_cast<uint32_t>(h));
    ihdr += static_cast<char>(8);
    ihdr += static_cast<char>(color);
    ihdr += std::string(3, '\0');
    pngChunk(out, "IHDR", ihdr);
    if (color == PNG_PALETTE)
    {
        pngChunk(out, "PLTE", std::string(palette.begin(), palette.end()));
        if (!trns.empty()) pngChunk(out, "tRNS", std::string(trns.begin(), trns.end()));
    }

    size_t stride = static_cast<size_t>(w) * pngChannels(color);
    std::string raw;
    for (int y = 0; y < h; ++y)
    {
        raw += '\0'; // filter: none
        raw.append(reinterpret_cast<const char*>(pixels.data()) + y * stride, stride);
    }
    std::string z("\x78\x01", 2);
    size_t pos = 0;
    do
    {
        size_t n = raw.size() - pos < 65535 ? raw.size() - pos : 65535;
        bool last = pos + n == raw.size();
        z += static_cast<char>(last ? 1 : 0);
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(raw, pos, n);
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (unsigned char c : raw)
    {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    putBE32(z, (b << 16) | a);
    pngChunk(out, "IDAT", z);
    pngChunk(out, "IEND", std::string());
    return out;
}

inline bool writeFile(const std::string& path, const std::string& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// A solid image of one colour in the given layout.
inline std::string solidPng(int w, int h, PngColor color, unsigned char r = 200, unsigned char g = 100,
                            unsigned char b = 50, unsigned char a = 128)
{
    std::vector<unsigned char> px;
    for (int i = 0; i < w * h; ++i)
    {
        switch (color)
        {
        case PNG_GREY: px.push_back(r); break;
        case PNG_GREY_ALPHA: px.push_back(r); px.push_back(a); break;
        case PNG_RGB: px.insert(px.end(), {r, g, b}); break;
        case PNG_RGBA: px.insert(px.end(), {r, g, b, a}); break;
        case PNG_PALETTE: px.push_back(0); break;
        }
    }
    std::vector<unsigned char> palette = {r, g, b};
    return encodePng(w, h, color, px, palette);
}

} // namespace media_test

#endif
