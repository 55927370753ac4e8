#ifndef __CCXMLDOCUMENT_H__
#define __CCXMLDOCUMENT_H__

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/CCPlatformMacros.h"

NS_CC_BEGIN

/** One element of a small XML tree: name, attributes, the text directly
 *  inside it, and child elements in document order. */
class CC_DLL XmlElement
{
public:
    explicit XmlElement(const std::string& elementName) : name(elementName) {}

    XmlElement* firstChild(const std::string& childName) const;
    XmlElement* addChild(const std::string& childName);
    /** Removes every child of that name; returns how many went. */
    int removeChildren(const std::string& childName);

    std::string name;
    std::vector<std::pair<std::string, std::string>> attributes;
    std::string text;
    std::vector<std::unique_ptr<XmlElement>> children;
};

/** Reads XML text into an element tree (through SAXParser) and writes one
 *  back, escaping text and attribute values. */
class CC_DLL XmlDocument
{
public:
    /** Root element, or null when the text is not well-formed XML. */
    static std::unique_ptr<XmlElement> parse(const std::string& text);

    /** The tree as an XML document with a UTF-8 declaration and an optional
     *  DOCTYPE line, indented by tabs. */
    static std::string write(const XmlElement& root, const std::string& doctype = std::string());

    static std::string escape(const std::string& text);
};

NS_CC_END

#endif
