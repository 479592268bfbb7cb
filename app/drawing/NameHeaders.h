#pragma once

/// Places the player's name in the panels (g_nameHeaderX for the deal-result panel,
/// g_nameHeaderX2 for the score sheet): left of the table centre by 95 and 77 pixels, and
/// by a further 8 pixels for every two characters of g_playerName.
void PlaceNameHeaders();
