#pragma once
// Resource ids of the About window's pictures and the player bar's banner; shared by the
// resource script, so it holds nothing but the numbers.
#define IDR_LINKS_PICTURE 601
#define IDB_BANNER 602
#define IDB_LOGO 603
