#pragma once
// The jumping exit buttons and the nine panels.
void ShuffleExits();
void CheckPanels();
void ScramblePanels();
