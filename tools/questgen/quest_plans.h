// The quests that ship with the game. Each plan builds its quest into the model and
// returns what is wrong with it (nothing, when it may be written).
#pragma once
#include <string>
#include <vector>

struct QuestPlan {
  const char* fileName;  // inside the quests folder
  std::vector<std::string> (*build)();
};

// The stand-alone quests.
std::vector<std::string> BuildLanternCrypt();
std::vector<std::string> BuildPedlarsRansom();
std::vector<std::string> BuildWardensKeys();
std::vector<std::string> BuildThornwood();
std::vector<std::string> BuildHuntForSkarrow();
std::vector<std::string> BuildCountingHouseVault();
std::vector<std::string> BuildHarrowFord();
std::vector<std::string> BuildSunkenLibrary();
// The six chapters of the campaign.
std::vector<std::string> BuildWinterCrown1();
std::vector<std::string> BuildWinterCrown2();
std::vector<std::string> BuildWinterCrown3();
std::vector<std::string> BuildWinterCrown4();
std::vector<std::string> BuildWinterCrown5();
std::vector<std::string> BuildWinterCrown6();
