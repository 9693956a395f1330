#include "level/LevelObjects.h"

#include "level/Altar.h"
#include "level/Barrier.h"
#include "level/BaseEnemy.h"
#include "level/Bell.h"
#include "level/Bridge.h"
#include "level/EnemyBandit.h"
#include "level/EnemyGold.h"
#include "level/EnemySpirit.h"
#include "level/Field.h"
#include "level/Hero.h"
#include "level/Item.h"
#include "level/Lake.h"
#include "level/Nugget.h"
#include "level/Plant.h"
#include "level/Prison.h"
#include "level/Tower.h"
#include "level/Tree.h"
#include "level/TunnelBuild.h"
#include "level/Well.h"
#include "scene/ObjectFactory.h"

void RegisterLevelObjects(cObjectFactory& factory) {
    factory.Register<cWorker>();
    factory.Register<cHero>();
    factory.Register<cEnemyGold>();
    factory.Register<cEnemySpirit>();
    factory.Register<cEnemyBandit>();
    factory.Register<cBaseEnemy>();
    factory.Register<cPrison>();
    factory.Register<cBarrier>();
    factory.Register<cBridge>();
    factory.Register<cLake>();
    factory.Register<cTree>();
    factory.Register<cField>();
    factory.Register<cNugget>();
    factory.Register<cWell>();
    factory.Register<cItem>();
    factory.Register<cBuild>();
    factory.Register<cPlant>();
    factory.Register<cTower>();
    factory.Register<cTowerEnemy>();
    factory.Register<cTunnelBuild>();
    factory.Register<cBell>();
    factory.Register<cAltar>();
}
