#include "HelloWorldScene.h"

USING_NS_CC;

Scene* HelloWorld::createScene()
{
    auto scene = Scene::create();
    auto layer = HelloWorld::create();
    layer->setName("HelloWorld");
    scene->addChild(layer);
    return scene;
}

bool HelloWorld::init()
{
    if (!Layer::init())
        return false;

    auto visibleSize = Director::getInstance()->getVisibleSize();
    Vec2 origin = Director::getInstance()->getVisibleOrigin();

    ValueMap config = FileUtils::getInstance()->getValueMapFromFile("config.plist");
    std::string greeting = config["Greeting"].asString();
    _speed = config["Speed"].asFloat();

    _label = Label::createWithSystemFont(greeting, "Arial", 24);
    _label->setPosition(Vec2(origin.x + visibleSize.width / 2,
                             origin.y + visibleSize.height - _label->getContentSize().height));
    _label->setName("label");
    this->addChild(_label, 1);

    _sprite = Sprite::create("HelloWorld.png");
    if (_sprite)
    {
        _sprite->setPosition(Vec2(visibleSize.width / 2 + origin.x, visibleSize.height / 2 + origin.y));
        _sprite->setName("sprite");
        this->addChild(_sprite, 0);
    }

    auto listener = EventListenerTouchOneByOne::create();
    listener->setSwallowTouches(true);
    listener->onTouchBegan = [this](Touch* touch, Event* event) {
        CC_UNUSED_PARAM(event);
        if (_sprite == nullptr)
            return false;
        Vec2 target = touch->getLocation();
        float distance = target.distance(_sprite->getPosition());
        _sprite->stopAllActions();
        _sprite->runAction(MoveTo::create(distance / _speed, target));
        return true;
    };
    _eventDispatcher->addEventListenerWithSceneGraphPriority(listener, this);

    this->scheduleUpdate();
    this->schedule(schedule_selector(HelloWorld::onSecond), 1.0f);
    float quitAfter = config["QuitAfter"].asFloat();
    if (quitAfter > 0)
        this->scheduleOnce(schedule_selector(HelloWorld::quit), quitAfter);
    return true;
}

void HelloWorld::update(float dt)
{
    CC_UNUSED_PARAM(dt);
    ++_frames;
}

void HelloWorld::onSecond(float dt)
{
    CC_UNUSED_PARAM(dt);
    ++_seconds;
    char text[64];
    snprintf(text, sizeof(text), "%d s", _seconds);
    CCLOG("%s after %d frames", text, _frames);
}

void HelloWorld::quit(float dt)
{
    CC_UNUSED_PARAM(dt);
    CCLOG("HelloWorld: %d frames, %d seconds, label \"%s\"", _frames, _seconds, _label->getString().c_str());
    Director::getInstance()->end();
}
