#include "platform/CCXmlDocument.h"

#include "platform/CCSAXParser.h"

NS_CC_BEGIN

XmlElement* XmlElement::firstChild(const std::string& childName) const
{
    for (const auto& c : children)
        if (c->name == childName) return c.get();
    return nullptr;
}

XmlElement* XmlElement::addChild(const std::string& childName)
{
    children.emplace_back(new XmlElement(childName));
    return children.back().get();
}

int XmlElement::removeChildren(const std::string& childName)
{
    int removed = 0;
    for (auto it = children.begin(); it != children.end();)
    {
        if ((*it)->name == childName)
        {
            it = children.erase(it);
            ++removed;
        }
        else ++it;
    }
    return removed;
}

namespace {

class TreeBuilder : public SAXDelegator
{
public:
    void startElement(void*, const char* name, const char** atts) override
    {
        XmlElement* e;
        if (_stack.empty())
        {
            root.reset(new XmlElement(name));
            e = root.get();
        }
        else e = _stack.back()->addChild(name);
        for (int i = 0; atts && atts[i] && atts[i + 1]; i += 2)
            e->attributes.emplace_back(atts[i], atts[i + 1]);
        _stack.push_back(e);
    }
    void endElement(void*, const char*) override
    {
        if (_stack.empty()) return;
        // the indentation between child elements is not content
        XmlElement* e = _stack.back();
        if (!e->children.empty() && e->text.find_first_not_of(" \t\r\n") == std::string::npos) e->text.clear();
        _stack.pop_back();
    }
    void textHandler(void*, const char* s, int len) override
    {
        if (!_stack.empty() && len > 0) _stack.back()->text.append(s, static_cast<size_t>(len));
    }

    std::unique_ptr<XmlElement> root;

private:
    std::vector<XmlElement*> _stack;
};

void writeElement(const XmlElement& e, int depth, std::string& out)
{
    std::string indent(static_cast<size_t>(depth), '\t');
    out += indent + "<" + e.name;
    for (const auto& a : e.attributes)
        out += " " + a.first + "=\"" + XmlDocument::escape(a.second) + "\"";
    if (e.children.empty() && e.text.empty())
    {
        out += "/>\n";
        return;
    }
    out += ">";
    out += XmlDocument::escape(e.text);
    if (!e.children.empty())
    {
        out += "\n";
        for (const auto& c : e.children) writeElement(*c, depth + 1, out);
        out += indent;
    }
    out += "</" + e.name + ">\n";
}

} // namespace

std::unique_ptr<XmlElement> XmlDocument::parse(const std::string& text)
{
    TreeBuilder builder;
    SAXParser parser;
    parser.setDelegator(&builder);
    if (!parser.parse(text.data(), text.size())) return nullptr;
    return std::move(builder.root);
}

std::string XmlDocument::escape(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
    {
        switch (c)
        {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out += c; break;
        }
    }
    return out;
}

std::string XmlDocument::write(const XmlElement& root, const std::string& doctype)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    if (!doctype.empty()) out += doctype + "\n";
    writeElement(root, 0, out);
    return out;
}

NS_CC_END
