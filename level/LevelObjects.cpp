#include "level/LevelObjects.h"

#include "level/sites/Altar.h"
#include "level/sites/Barrier.h"
#include "level/units/BaseEnemy.h"
#include "level/sites/Bell.h"
#include "level/sites/Bridge.h"
#include "level/units/EnemyBandit.h"
#include "level/units/EnemyGold.h"
#include "level/units/EnemySpirit.h"
#include "level/sites/Field.h"
#include "level/units/Hero.h"
#include "level/sites/Item.h"
#include "level/sites/Lake.h"
#include "level/sites/Nugget.h"
#include "level/sites/Plant.h"
#include "level/units/Prison.h"
#include "level/sites/Tower.h"
#include "level/sites/Tree.h"
#include "level/sites/TunnelBuild.h"
#include "level/sites/Well.h"
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
