#ifndef __HELLOWORLD_SCENE_H__
#define __HELLOWORLD_SCENE_H__

#include "cocos2d.h"

class HelloWorld : public cocos2d::Layer
{
public:
    static cocos2d::Scene* createScene();

    virtual bool init();
    virtual void update(float dt);

    void onSecond(float dt);
    void quit(float dt);

    int getFrames() const { return _frames; }
    int getSeconds() const { return _seconds; }

    CREATE_FUNC(HelloWorld);

private:
    cocos2d::Sprite* _sprite = nullptr;
    cocos2d::Label* _label = nullptr;
    int _frames = 0;
    int _seconds = 0;
    float _speed = 0;
};

#endif
