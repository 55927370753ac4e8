// Resource ids of the updater.
#pragma once

#define IDI_GAMEUPDATE 212
#define IDD_UPDATE_CHECK 3003
