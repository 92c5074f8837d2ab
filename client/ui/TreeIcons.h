#pragma once
// The pictures of the allegiance trees, 16 by 16 pixels: 1 "Mule", 2 "PK", 3 "RescueSquad",
// 4 an ordinary member.
#include <QIcon>

enum class TreeIcon { Mule = 1, PK = 2, RescueSquad = 3, Member = 4 };

const QIcon& imglstTreeIcons(TreeIcon icon);
