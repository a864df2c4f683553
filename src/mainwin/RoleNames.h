#pragma once
// The eleven pin roles, in the order of the role list.
#include <array>
#include <string>

inline const std::array<std::string, 11> RoleNames = {
    "Входные данные",
    "Сигнал синхронизации",
    "Осведомительные сигналы",
    "Управляющие сигналы",
    "Выходы элементов памяти",
    "Выходные данные",
    "Признак окончания операции",
    "Признак ПРС",
    "Признак ПМР",
    "Признак деления на 0",
    "Сигнал сброса",
};
