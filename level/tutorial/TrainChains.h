#pragma once
// The sixteen chains of tutorial steps, one file each (Train00.cpp ...
// Train15.cpp). Each makes its steps by their class names, so that the
// level table names the first step of a level's chain ("train00::cTakeField").
#include <memory>
#include <span>
#include <string_view>

class cLevelWidget;
class cTrain;

using cMakeTrainStep = std::unique_ptr<cTrain> (*)(std::u16string_view step, cLevelWidget& level);

struct cTrainChain {
    std::u16string_view name;  // "train00"
    cMakeTrainStep create;     // null for a step name the chain does not know
};

std::span<const cTrainChain> TrainChains();

std::unique_ptr<cTrain> MakeTrain00(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain01(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain02(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain03(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain04(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain05(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain06(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain07(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain08(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain09(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain10(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain11(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain12(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain13(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain14(std::u16string_view step, cLevelWidget& level);
std::unique_ptr<cTrain> MakeTrain15(std::u16string_view step, cLevelWidget& level);
