#include "layout/CSpriteInterface.h"

CSpriteInterface::CSpriteInterface() = default;

CSpriteInterface::CSpriteInterface(const CSpriteInterface& other) = default;

CSpriteInterface& CSpriteInterface::operator=(const CSpriteInterface& other) = default;

CSpriteInterface::~CSpriteInterface() = default;
