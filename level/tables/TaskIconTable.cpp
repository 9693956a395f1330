#include "level/tables/TaskIconTable.h"

namespace {

struct TaskIconRow {
    std::u16string_view target;
    bool prefix;  // the target names a family: any kind beginning with it
    std::u16string_view area;
};

constexpr TaskIconRow kTaskIcons[] = {
    {u"house00", false, u"task_house"},
    {u"sawmill00", false, u"task_sawmill"},
    {u"mill00", false, u"task_mill"},
    {u"goldmill00", false, u"task_goldmill"},
    {u"tower00", false, u"task_tower"},
    {u"worker", true, u"task_worker"},
    {u"food", true, u"task_food"},
    {u"wood", true, u"task_wood"},
    {u"money", true, u"task_money"},
    {u"key_statue00", false, u"task_key_statue"},
    {u"lighthouse00", false, u"task_lighthouse"},
    {u"key_altar00", false, u"task_key_altar"},
    {u"prison00", false, u"task_prison"},
    {u"key_castle00", false, u"task_key_castle"},
};

bool Matches(const TaskIconRow& row, std::u16string_view target) {
    return row.prefix ? target.starts_with(row.target) : target == row.target;
}

}  // namespace

SpriteName GetTaskIcon(std::u16string_view target) {
    for (const TaskIconRow& row : kTaskIcons) {
        if (Matches(row, target))
            return {kTaskIconTexture, row.area};
    }
    return {};
}
