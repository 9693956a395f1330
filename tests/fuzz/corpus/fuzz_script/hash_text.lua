#!/usr/bin/env lua
local items = {wood = 3, food = 1}
function Count(kind) return items[kind] or 0 end
for k, v in pairs(items) do print(k, v) end
