#pragma once

// The F2 menu of map filters.
void RunMapFilters();
