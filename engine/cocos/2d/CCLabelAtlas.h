#ifndef __CCLABEL_ATLAS_H__
#define __CCLABEL_ATLAS_H__

#include <string>

#include "2d/CCAtlasNode.h"

NS_CC_BEGIN

/** A label drawn from a character map: an image of equal glyphs in the order
 *  of their character codes, starting at startCharMap. Each byte of the
 *  string is one glyph; the content size is the byte count times the item
 *  width by the item height. */
class CC_DLL LabelAtlas : public AtlasNode, public LabelProtocol
{
public:
    static LabelAtlas* create();
    static LabelAtlas* create(const std::string& string, const std::string& charMapFile, int itemWidth, int itemHeight,
                              int startCharMap);
    /** The char map described by a property list: "textureFilename" (beside
     *  the list), "itemWidth", "itemHeight", "firstChar", "version" 1. */
    static LabelAtlas* create(const std::string& string, const std::string& fntFile);
    static LabelAtlas* create(const std::string& string, Texture2D* texture, int itemWidth, int itemHeight,
                              int startCharMap);

    bool initWithString(const std::string& string, const std::string& charMapFile, int itemWidth, int itemHeight,
                        int startCharMap);
    bool initWithString(const std::string& string, const std::string& fntFile);
    bool initWithString(const std::string& string, Texture2D* texture, int itemWidth, int itemHeight, int startCharMap);

    virtual void updateAtlasValues() override;

    virtual void setString(const std::string& label) override;
    virtual const std::string& getString() const override { return _string; }

    virtual std::string getDescription() const override;

    LabelAtlas() : _mapStartChar(0) {}
    virtual ~LabelAtlas() {}

protected:
    std::string _string;
    int _mapStartChar;
};

NS_CC_END

#endif
