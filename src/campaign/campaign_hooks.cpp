#include "campaign/campaign_hooks.h"

#include "campaign/magic_dungeon.h"
#include "campaign/quest_screen.h"
#include "campaign/shop.h"
#include "rules/play_hooks.h"

void InstallCampaignHooks() {
  PlayHook.showBriefing = ShowBriefingInPlay;
  InstallShopHook();
  InstallMagicDungeonHooks();
}
