// What the campaign hands the play loop: the briefing during play and, from a shop
// script, the shop. Called once at start-up (and by tests that play through them).
#pragma once

void InstallCampaignHooks();
