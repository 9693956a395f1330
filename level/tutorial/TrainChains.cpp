#include "level/tutorial/TrainChains.h"

#include "level/tutorial/Train.h"

std::span<const cTrainChain> TrainChains() {
    static const cTrainChain chains[] = {
        {u"train00", MakeTrain00}, {u"train01", MakeTrain01}, {u"train02", MakeTrain02},
        {u"train03", MakeTrain03}, {u"train04", MakeTrain04}, {u"train05", MakeTrain05},
        {u"train06", MakeTrain06}, {u"train07", MakeTrain07}, {u"train08", MakeTrain08},
        {u"train09", MakeTrain09}, {u"train10", MakeTrain10}, {u"train11", MakeTrain11},
        {u"train12", MakeTrain12}, {u"train13", MakeTrain13}, {u"train14", MakeTrain14},
        {u"train15", MakeTrain15},
    };
    return chains;
}
