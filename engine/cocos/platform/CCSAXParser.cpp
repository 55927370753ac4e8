#include "platform/CCSAXParser.h"

#include <cstring>
#include <vector>

#include "base/ccUTF8.h"
#include "platform/CCFileUtils.h"

NS_CC_BEGIN

namespace {

// A character reference as UTF-8; one that names no character becomes U+FFFD.
void appendUtf8(std::string& out, unsigned long cp)
{
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    std::string encoded;
    StringUtils::UTF32ToUTF8(std::u32string(1, static_cast<char32_t>(cp)), encoded);
    out += encoded;
}

// One pass over a buffer of known length; never reads past its end.
class XmlReader
{
public:
    XmlReader(const char* data, size_t len, SAXParser* parser)
        : _p(data), _end(data + len), _parser(parser) {}

    bool run()
    {
        if (_end - _p >= 3 && static_cast<unsigned char>(_p[0]) == 0xEF
            && static_cast<unsigned char>(_p[1]) == 0xBB && static_cast<unsigned char>(_p[2]) == 0xBF)
            _p += 3;
        bool sawRoot = false;
        std::string text;
        while (_p < _end)
        {
            if (*_p != '<')
            {
                const char* start = _p;
                while (_p < _end && *_p != '<') ++_p;
                if (!decode(start, _p, text)) return false;
                if (!_open.empty()) emitText(text);
                else if (!blank(text)) return false; // text outside the root element
                continue;
            }
            if (startsWith("<!--"))
            {
                if (!skipPast("-->")) return false;
            }
            else if (startsWith("<![CDATA["))
            {
                _p += 9;
                const char* start = _p;
                if (!skipPast("]]>")) return false;
                if (_open.empty()) return false;
                text.assign(start, _p - 3);
                emitText(text);
            }
            else if (startsWith("<!"))
            {
                if (!skipDeclaration()) return false;
            }
            else if (startsWith("<?"))
            {
                if (!skipPast("?>")) return false;
            }
            else if (startsWith("</"))
            {
                if (!closeTag()) return false;
            }
            else
            {
                if (_open.empty() && sawRoot) return false; // a second root
                sawRoot = true;
                if (!openTag()) return false;
            }
        }
        return sawRoot && _open.empty();
    }

private:
    static bool blank(const std::string& s)
    {
        for (char c : s)
            if (!isSpace(c)) return false;
        return true;
    }
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    // A NUL is no name character: names reach the delegate as C strings, so
    // one would cut the name short and the tree would no longer write out as
    // the document it was read from.
    static bool isNameChar(char c)
    {
        return c != '\0' && !isSpace(c) && c != '>' && c != '/' && c != '=' && c != '<' && c != '"' && c != '\'';
    }

    bool startsWith(const char* s) const
    {
        size_t n = std::strlen(s);
        return static_cast<size_t>(_end - _p) >= n && std::memcmp(_p, s, n) == 0;
    }

    bool skipPast(const char* s)
    {
        size_t n = std::strlen(s);
        while (static_cast<size_t>(_end - _p) >= n)
        {
            if (std::memcmp(_p, s, n) == 0)
            {
                _p += n;
                return true;
            }
            ++_p;
        }
        return false;
    }

    // <!DOCTYPE ...> possibly with an internal subset in brackets.
    bool skipDeclaration()
    {
        int brackets = 0;
        char quote = 0;
        for (_p += 2; _p < _end; ++_p)
        {
            char c = *_p;
            if (quote) { if (c == quote) quote = 0; continue; }
            if (c == '"' || c == '\'') quote = c;
            else if (c == '[') ++brackets;
            else if (c == ']') --brackets;
            else if (c == '>' && brackets <= 0) { ++_p; return true; }
        }
        return false;
    }

    void skipSpace()
    {
        while (_p < _end && isSpace(*_p)) ++_p;
    }

    bool readName(std::string& name)
    {
        const char* start = _p;
        while (_p < _end && isNameChar(*_p)) ++_p;
        if (_p == start) return false;
        name.assign(start, _p);
        return true;
    }

    bool openTag()
    {
        ++_p; // '<'
        std::string name;
        if (!readName(name)) return false;
        std::vector<std::string> atts;
        for (;;)
        {
            skipSpace();
            if (_p >= _end) return false;
            if (*_p == '>' || *_p == '/') break;
            std::string attName, attValue;
            if (!readName(attName)) return false;
            skipSpace();
            if (_p >= _end || *_p != '=') return false;
            ++_p;
            skipSpace();
            if (_p >= _end || (*_p != '"' && *_p != '\'')) return false;
            char quote = *_p++;
            const char* start = _p;
            while (_p < _end && *_p != quote && *_p != '<') ++_p;
            if (_p >= _end || *_p != quote) return false;
            if (!decode(start, _p, attValue)) return false;
            ++_p;
            atts.push_back(attName);
            atts.push_back(attValue);
        }
        bool empty = false;
        if (*_p == '/')
        {
            ++_p;
            if (_p >= _end || *_p != '>') return false;
            empty = true;
        }
        ++_p; // '>'
        if (static_cast<int>(_open.size()) >= SAXParser::kMaxDepth) return false;

        std::vector<const char*> attPtrs;
        for (const std::string& s : atts) attPtrs.push_back(s.c_str());
        attPtrs.push_back(nullptr);
        SAXParser::startElement(_parser, reinterpret_cast<const CC_XML_CHAR*>(name.c_str()),
                                atts.empty() ? nullptr : reinterpret_cast<const CC_XML_CHAR**>(attPtrs.data()));
        if (empty) SAXParser::endElement(_parser, reinterpret_cast<const CC_XML_CHAR*>(name.c_str()));
        else _open.push_back(name);
        return true;
    }

    bool closeTag()
    {
        _p += 2;
        std::string name;
        if (!readName(name)) return false;
        skipSpace();
        if (_p >= _end || *_p != '>') return false;
        ++_p;
        if (_open.empty() || _open.back() != name) return false;
        _open.pop_back();
        SAXParser::endElement(_parser, reinterpret_cast<const CC_XML_CHAR*>(name.c_str()));
        return true;
    }

    void emitText(const std::string& text)
    {
        if (text.empty()) return;
        SAXParser::textHandler(_parser, reinterpret_cast<const CC_XML_CHAR*>(text.data()),
                               static_cast<int>(text.size()));
    }

    // Resolves entity and character references of [b, e) into out.
    static bool decode(const char* b, const char* e, std::string& out)
    {
        out.clear();
        while (b < e)
        {
            if (*b != '&')
            {
                out += *b++;
                continue;
            }
            const char* semi = b + 1;
            while (semi < e && *semi != ';' && semi - b < 12) ++semi;
            if (semi >= e || *semi != ';') return false;
            std::string ent(b + 1, semi);
            if (ent == "lt") out += '<';
            else if (ent == "gt") out += '>';
            else if (ent == "amp") out += '&';
            else if (ent == "quot") out += '"';
            else if (ent == "apos") out += '\'';
            else if (ent.size() > 1 && ent[0] == '#')
            {
                bool hex = ent[1] == 'x' || ent[1] == 'X';
                size_t i = hex ? 2 : 1;
                if (i >= ent.size()) return false;
                unsigned long cp = 0;
                for (; i < ent.size(); ++i)
                {
                    char c = ent[i];
                    int d;
                    if (c >= '0' && c <= '9') d = c - '0';
                    else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
                    else if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
                    else return false;
                    cp = cp * (hex ? 16 : 10) + static_cast<unsigned long>(d);
                    if (cp > 0x10FFFF) cp = 0x110000; // stays invalid, no overflow
                }
                appendUtf8(out, cp);
            }
            else return false;
            b = semi + 1;
        }
        return true;
    }

    const char* _p;
    const char* _end;
    SAXParser* _parser;
    std::vector<std::string> _open;
};

} // namespace

SAXParser::SAXParser() : _delegator(nullptr) {}

SAXParser::~SAXParser() {}

bool SAXParser::init(const char* /*encoding*/)
{
    return true;
}

bool SAXParser::parse(const char* xmlData, size_t dataLength)
{
    if (!xmlData || dataLength == 0) return false;
    XmlReader reader(xmlData, dataLength, this);
    return reader.run();
}

bool SAXParser::parseIntrusive(char* xmlData, size_t dataLength)
{
    return parse(xmlData, dataLength);
}

bool SAXParser::parse(const std::string& filename)
{
    std::string text = FileUtils::getInstance()->getStringFromFile(filename);
    if (text.empty()) return false;
    return parse(text.data(), text.size());
}

void SAXParser::setDelegator(SAXDelegator* delegator)
{
    _delegator = delegator;
}

void SAXParser::startElement(void* ctx, const CC_XML_CHAR* name, const CC_XML_CHAR** atts)
{
    SAXParser* self = static_cast<SAXParser*>(ctx);
    if (self->_delegator)
        self->_delegator->startElement(ctx, reinterpret_cast<const char*>(name), reinterpret_cast<const char**>(atts));
}

void SAXParser::endElement(void* ctx, const CC_XML_CHAR* name)
{
    SAXParser* self = static_cast<SAXParser*>(ctx);
    if (self->_delegator) self->_delegator->endElement(ctx, reinterpret_cast<const char*>(name));
}

void SAXParser::textHandler(void* ctx, const CC_XML_CHAR* name, int len)
{
    SAXParser* self = static_cast<SAXParser*>(ctx);
    if (self->_delegator) self->_delegator->textHandler(ctx, reinterpret_cast<const char*>(name), len);
}

NS_CC_END
