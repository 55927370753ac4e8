#ifndef __CCTEXTURE_ATLAS_H__
#define __CCTEXTURE_ATLAS_H__

#include <string>
#include <vector>

#include "base/CCRef.h"
#include "base/ccTypes.h"

NS_CC_BEGIN

class Texture2D;

/** A texture and a growable array of quads that show parts of it. */
class CC_DLL TextureAtlas : public Ref
{
public:
    static TextureAtlas* create(const std::string& file, ssize_t capacity);
    static TextureAtlas* createWithTexture(Texture2D* texture, ssize_t capacity);

    TextureAtlas();
    virtual ~TextureAtlas();

    bool initWithFile(const std::string& file, ssize_t capacity);
    bool initWithTexture(Texture2D* texture, ssize_t capacity);

    /** Sets the quad at index (growing the count up to it); false when index
     *  is beyond the capacity. */
    bool updateQuad(V3F_C4B_T2F_Quad* quad, ssize_t index);
    void insertQuad(V3F_C4B_T2F_Quad* quad, ssize_t index);
    void removeQuadAtIndex(ssize_t index);
    void removeAllQuads();
    bool resizeCapacity(ssize_t capacity);

    ssize_t getTotalQuads() const { return static_cast<ssize_t>(_quads.size()); }
    ssize_t getCapacity() const { return _capacity; }
    Texture2D* getTexture() const { return _texture; }
    void setTexture(Texture2D* texture);
    V3F_C4B_T2F_Quad* getQuads() { return _quads.empty() ? nullptr : _quads.data(); }
    void setDirty(bool dirty) { _dirty = dirty; }
    bool isDirty() const { return _dirty; }

protected:
    std::vector<V3F_C4B_T2F_Quad> _quads;
    ssize_t _capacity;
    Texture2D* _texture;
    bool _dirty;
};

NS_CC_END

#endif
